#pragma once
// The common run of the import readers' fuzz targets: a mode with a field
// choice from the first bytes, the rest as the export file, then checks on
// the result and the CSV written.
#include "fuzz/FuzzState.h"
#include "fuzz/NullUi.h"
#include "import/ImportRun.h"
#include "import/ReadResult.h"

namespace tk::fuzz {

template <typename Reader>
int RunImportReader(std::int32_t mode, const std::uint8_t* data, std::size_t size, Reader reader) {
  ClearScratch();
  Controls controls(data, size);
  const FieldSetup setup = SetUpFields(mode, controls);
  ImportRun run;
  run.inputPath = WriteInput("input.txt", data, size);
  run.csvPath = ScratchFolder() + "/output.csv";
  NullUi ui;
  const ReadResult result = reader(setup, run, ui);

  CheckNoPartFiles();
  Check(result.status == ReadStatus::Read && result.failedFile.empty(), "a readable file failed");
  Check(ui.messages == 0, "a reader showed a message");
  Check(result.truncated >= 0 && result.truncated <= result.records,
        "more cut records than records");
  const std::string csv = ReadAll(run.csvPath);
  const long lines = CountWellQuotedLines(csv);
  Check(lines >= 0, "CSV breaks the quoting");
  Check(lines == result.records + 1, "CSV lines differ from the header and the records counted");
  return 0;
}

}  // namespace tk::fuzz
