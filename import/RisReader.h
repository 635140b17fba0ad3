#pragma once
// Reader of Reference Manager (RIS) exports: tagged lines, records from
// "TY  - " to "ER  - ", written as CSV for jconv5. Reads run.inputPath and
// writes run.csvPath; a record that lost a character to the transcoding is
// logged in run.
#include "fields/FieldSetup.h"
#include "import/ImportRun.h"
#include "import/ReadResult.h"
#include "platform/Ui.h"

namespace tk {

ReadResult ReadRefManExport(const FieldSetup& setup, ImportRun& run, Ui& ui);

}  // namespace tk
