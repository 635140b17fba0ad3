// The ProCite (generic) pre-pass, then the ProCite reader on what it wrote,
// as the import driver runs them.
#include "fuzz/ImportTarget.h"
#include "import/GenericPrePass.h"
#include "import/OutputNaming.h"
#include "import/TabExportReader.h"

#include <algorithm>

namespace {

// Every line of the intermediate file has at most 24 columns (23 TABs) and
// ends in CR LF; no bare CR or LF inside.
void CheckIntermediate(const std::string& text) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    tk::fuzz::Check(end != std::string::npos, "intermediate line without CR LF");
    const std::string_view line(text.data() + start, end - start);
    tk::fuzz::Check(std::count(line.begin(), line.end(), '\t') < tk::kGenericColumns,
                    "intermediate line of more than 24 columns");
    tk::fuzz::Check(line.find_first_of("\r\n") == std::string_view::npos,
                    "line end inside an intermediate line");
    start = end + 2;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tk::fuzz::RunImportReader(
      tk::kModeProCiteGeneric, data, size, [](tk::AppState& state, tk::Ui& ui) {
        const int seen = tk::PrepareGenericExport(state, ui);
        const std::string intermediate = tk::GenericIntermediatePath(state);
        tk::fuzz::CheckNoPartFiles();
        tk::fuzz::Check(seen >= 0, "negative record count");
        CheckIntermediate(tk::fuzz::ReadAll(intermediate));
        state.inputPath = intermediate;
        return tk::ConvertProCiteExport(state, ui);
      });
}
