// The ProCite (generic) pre-pass, then the ProCite reader on what it wrote,
// as the import driver runs them.
#include "fuzz/FuzzState.h"
#include "import/GenericPrePass.h"
#include "import/OutputNaming.h"

#include <algorithm>

using tk::fuzz::Check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return tk::fuzz::RunImportReader(
      tk::kModeProCiteGeneric, data, size,
      [](const tk::FieldSetup& setup, tk::ImportRun& run, tk::Ui& ui) {
        Check(tk::PrepareGenericExport(run, ui).status == tk::ReadStatus::Read,
              "the pre-pass failed");
        tk::fuzz::CheckNoPartFiles();
        run.inputPath = tk::GenericIntermediatePath(run);
        // No line of it has more columns than the generic database has fields.
        const std::string intermediate = tk::fuzz::ReadAll(run.inputPath);
        for (const std::string_view line : tk::fuzz::CrLfLines(intermediate))
          Check(std::count(line.begin(), line.end(), '\t') <
                    tk::FieldCountOf(tk::kModeProCiteGeneric),
                "too many columns");
        return tk::ReadProCiteExport(setup, run, ui);
      });
}
