#pragma once
// One file's import: where it reads and writes, and what it logs.
#include "platform/PalmCharset.h"
#include "platform/Path.h"

#include <optional>
#include <string>
#include <vector>

namespace tk {

// How the input's text reaches the reader.
// In the work folder: what a pipe or FIFO given as an export is read into.
inline constexpr char kStreamCopyName[] = "stream.tmp";

enum class InputText {
  Windows1252,  // as it is, unless the handheld's set is another
  Utf8,         // transcoded to the handheld's set as it is read
  Transcoded,   // already transcoded, its replaced mark where a character was lost
};

struct ImportRun {
  std::string inputPath;  // the export file chosen
  std::string pdbPath;    // in the Palm install folder, mode prefix in front
  std::string ifoPath;    // in the work folder
  std::string csvPath;    // in the work folder
  std::string palmName;   // the database name, in double quotes
  InputText inputText = InputText::Windows1252;
  PalmCharset palm = PalmCharset::Windows1252;  // what the CSV and IFO are written in
  std::vector<std::string> log;                 // lines for the diagnostic log, in order
  // The work files this run wrote, removed when the user stops it.
  std::vector<std::string> written;

  void note(std::string line) { log.push_back(std::move(line)); }
  PalmMarks marks() const { return MarksOf(palm); }
  // Whether the input is transcoded as it is read.
  bool transcodes() const {
    return inputText == InputText::Utf8 ||
           (inputText == InputText::Windows1252 && palm != PalmCharset::Windows1252);
  }
  // The byte that stands for a lost character in what the reader reads;
  // none when nothing was transcoded.
  std::optional<char> replacedMark() const {
    if (!transcodes() && inputText != InputText::Transcoded) return std::nullopt;
    return marks().replaced;
  }
  const std::string& destination() const { return pdbPath; }
  // Every file the run writes or replaces, before the converter's own.
  std::vector<std::string> writes() const {
    const std::string work = ExtractFilePath(csvPath);
    return {pdbPath, csvPath, ifoPath, ChangeFileExt(csvPath, ".tkg"), work + kStreamCopyName};
  }
};

}  // namespace tk
