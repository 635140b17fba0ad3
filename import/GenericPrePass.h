#pragma once
// ProCite (generic) mode: before the ProCite reader runs, the export's 47
// columns are reduced to the 24 that the generic database has, into an
// intermediate tab-separated file beside the CSV (csvPath with ".tkg").
#include "import/ImportRun.h"
#include "import/ReadResult.h"
#include "platform/Ui.h"

namespace tk {

// Reads run.inputPath, writes GenericIntermediatePath(run); records are
// those seen, blank lines included, and nothing is ever cut.
ReadResult PrepareGenericExport(const ImportRun& run, Ui& ui);

}  // namespace tk
