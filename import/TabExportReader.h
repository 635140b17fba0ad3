#pragma once
// Readers of the tab-separated exports of EndNote (records end with 0xB0)
// and ProCite (one record per line). Each reads run.inputPath and writes
// run.csvPath; a record with a value cut to its width, or that lost a
// character to the transcoding, is logged in run.
#include "fields/FieldSetup.h"
#include "import/ImportRun.h"
#include "import/ReadResult.h"
#include "platform/Ui.h"

namespace tk {

ReadResult ReadEndNoteExport(const FieldSetup& setup, ImportRun& run, Ui& ui);
ReadResult ReadProCiteExport(const FieldSetup& setup, ImportRun& run, Ui& ui);

}  // namespace tk
