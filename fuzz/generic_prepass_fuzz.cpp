// The ProCite (generic) pre-pass, then the ProCite reader on what it wrote,
// as the import driver runs them.
#include "fuzz/FuzzState.h"
#include "import/GenericPrePass.h"
#include "import/OutputNaming.h"

#include <algorithm>

using namespace tk;
using namespace tk::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  return RunImportReader(
      Mode::ProCiteGeneric, data, size, [](const FieldSetup& setup, ImportRun& run, Ui& ui) {
        Check(PrepareGenericExport(run, ui).status == ReadStatus::Read, "the pre-pass failed");
        run.inputPath = GenericIntermediatePath(run);
        // No line of it has more columns than the generic database has fields.
        const std::string intermediate = ReadAll(run.inputPath);
        for (const std::string_view line : CrLfLines(intermediate))
          Check(
              std::count(line.begin(), line.end(), '\t') < InfoOf(Mode::ProCiteGeneric).fieldCount,
              "too many columns");
        return ReadProCiteExport(setup, run, ui);
      });
}
