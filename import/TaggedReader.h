#pragma once
// Readers of EndNote's two stock exports into the EndNote mode's fields:
// "EndNote Export" (lines "%0 Journal Article", "%A Doe, J."; a blank line
// between references) and its RIS export ("TY  - " to "ER  - "). Each reads
// run.inputPath and writes run.csvPath; a line that is no tag line continues
// the value before it.
#include "fields/FieldSetup.h"
#include "import/ImportRun.h"
#include "import/ReadResult.h"
#include "platform/Ui.h"

namespace tk {

ReadResult ReadEndNoteTaggedExport(const FieldSetup& setup, ImportRun& run, Ui& ui);
ReadResult ReadRisIntoEndNote(const FieldSetup& setup, ImportRun& run, Ui& ui);

}  // namespace tk
