#pragma once
// Readers of the tab-separated exports of EndNote (records end with 0xB0)
// and ProCite (one record per line). Each reads state.inputPath, writes
// state.csvPath and returns the number of records written (0 = failure or an
// empty export). Cut records are logged and counted in truncatedCount.
#include "fields/AppState.h"
#include "platform/Ui.h"

namespace tk {

int ConvertEndNoteExport(AppState& state, Ui& ui);
int ConvertProCiteExport(AppState& state, Ui& ui);

}  // namespace tk
