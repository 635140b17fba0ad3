#pragma once
// The common run of the import readers' fuzz targets: a mode with a field
// choice from the first bytes, the rest as the export file, then checks on
// the CSV written.
#include "fuzz/FuzzState.h"
#include "fuzz/NullUi.h"

namespace tk::fuzz {

template <typename Reader>
int RunImportReader(std::int32_t mode, const std::uint8_t* data, std::size_t size, Reader reader) {
  ClearScratch();
  AppState state;
  Controls controls(data, size);
  SetUpFields(state, mode, controls);
  // The driver refuses to run without a selected field.
  if (CountSelectedFields(state) == 0) {
    FldTable[1].selected = 1;
    CountSelectedFields(state);
  }
  SetUpPaths(state);
  WriteInput("input.txt", data, size);

  NullUi ui;
  const int records = reader(state, ui);

  CheckNoPartFiles();
  Check(records >= 0, "negative record count");
  const std::string csv = ReadAll(state.csvPath);
  const long lines = CountWellQuotedLines(csv);
  if (lines < 0) ShowBytes("CSV written", csv);
  Check(lines >= 0, "CSV breaks the quoting");
  Check(lines >= 1, "CSV without its header");
  if (records > 0) Check(lines == records + 1, "CSV lines differ from the records counted");
  Check(ui.errors == 0, "a well-formed file path gave an error message");
  return 0;
}

}  // namespace tk::fuzz
