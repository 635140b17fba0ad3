#pragma once
// The common run of the import readers' fuzz targets: a mode with a field
// choice from the first bytes, the rest as the export file, then checks on
// the result and the CSV written.
#include "fuzz/FuzzState.h"
#include "import/ImportRun.h"
#include "import/ReadResult.h"

namespace tk::fuzz {

// The CSV written for jconv5: CR LF lines, each a comma-separated list of
// items in double quotes, with quotes inside doubled, or no item at all when
// the record holds no value of a selected field. A comma may end a line: the
// comma rule counts the selected fields, not the values. Returns the number
// of lines, or -1 when the text breaks that form.
inline long CountWellQuotedLines(std::string_view csv) {
  long lines = 0;
  for (std::size_t i = 0; i < csv.size(); ++lines, i += 2) {
    for (bool item = csv[i] == '"'; item;) {
      for (++i; i < csv.size() && (csv[i] != '"' || csv.substr(i, 2) == "\"\"");
           i += csv[i] == '"' ? 2 : 1) {
        if (csv[i] == '\r' || csv[i] == '\n') return -1;
      }
      if (++i > csv.size()) return -1;  // no closing quote
      item = csv.substr(i, 2) == ",\"";
      if (csv.substr(i, 1) == ",") ++i;
    }
    if (csv.substr(i, 2) != "\r\n") return -1;
  }
  return lines;
}

template <typename Reader>
int RunImportReader(std::int32_t mode, const std::uint8_t* data, std::size_t size, Reader reader) {
  ClearScratch();
  Controls controls(data, size);
  const FieldSetup setup = SetUpFields(mode, controls);
  ImportRun run;
  run.inputPath = WriteInput("input.txt", data, size);
  run.csvPath = ScratchFolder() + "/output.csv";
  // As the import does by default, so UTF-8 exports take the transcoding way.
  run.inputText =
      DetectFileCharset(run.inputPath) == Charset::Utf8 ? InputText::Utf8 : InputText::Windows1252;
  NullUi ui;
  const ReadResult result = reader(setup, run, ui);

  CheckNoPartFiles();
  Check(result.status == ReadStatus::Read && result.failedFile.empty(), "a readable file failed");
  Check(ui.messages == 0, "a reader showed a message");
  Check(result.truncated >= 0 && result.truncated <= result.records,
        "more cut records than records");
  Check(result.replaced >= 0 && result.replaced <= result.records,
        "more records with replaced characters than records");
  const std::string csv = ReadAll(run.csvPath);
  const long lines = CountWellQuotedLines(csv);
  Check(lines >= 0, "CSV breaks the quoting");
  Check(lines == result.records + 1, "CSV lines differ from the header and the records counted");
  return 0;
}

}  // namespace tk::fuzz
