// The ProCite (generic) pre-pass, then the ProCite reader on what it wrote,
// as the import driver runs them.
#include "fuzz/ImportTarget.h"
#include "import/GenericPrePass.h"
#include "import/OutputNaming.h"
#include "import/TabExportReader.h"

#include <algorithm>

using tk::fuzz::Check;

// Every line of the intermediate file has at most as many columns as the
// generic database has fields and ends in CR LF; no bare CR or LF inside.
static void CheckIntermediate(std::string_view text) {
  const long maxTabs = tk::FieldCountOf(tk::kModeProCiteGeneric) - 1;
  for (std::size_t end; !text.empty(); text.remove_prefix(end + 2)) {
    end = text.find("\r\n");
    Check(end != std::string_view::npos, "intermediate line without CR LF");
    const std::string_view line = text.substr(0, end);
    Check(std::count(line.begin(), line.end(), '\t') <= maxTabs, "too many columns");
    Check(line.find_first_of("\r\n") == std::string_view::npos, "line end inside a line");
  }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tk::fuzz::RunImportReader(
      tk::kModeProCiteGeneric, data, size,
      [](const tk::FieldSetup& setup, tk::ImportRun& run, tk::Ui& ui) {
        Check(tk::PrepareGenericExport(run, ui).status == tk::ReadStatus::Read,
              "the pre-pass failed");
        tk::fuzz::CheckNoPartFiles();
        run.inputPath = tk::GenericIntermediatePath(run);
        CheckIntermediate(tk::fuzz::ReadAll(run.inputPath));
        return tk::ReadProCiteExport(setup, run, ui);
      });
}
