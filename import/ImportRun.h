#pragma once
// One file's import: where it reads and writes, and what it logs.
#include "platform/Path.h"

#include <string>
#include <vector>

namespace tk {

// How the input's text reaches the reader.
// In the work folder: what a pipe or FIFO given as an export is read into.
inline constexpr char kStreamCopyName[] = "stream.tmp";

enum class InputText {
  Windows1252,  // as it is
  Utf8,         // transcoded to Windows-1252 as it is read
  Transcoded,   // already transcoded, kReplacedMark where a character was lost
};

struct ImportRun {
  std::string inputPath;  // the export file chosen
  std::string pdbPath;    // in the Palm install folder, mode prefix in front
  std::string ifoPath;    // in the work folder
  std::string csvPath;    // in the work folder
  std::string palmName;   // the database name, in double quotes
  InputText inputText = InputText::Windows1252;
  std::vector<std::string> log;  // lines for the diagnostic log, in order
  // The work files this run wrote, removed when the user stops it.
  std::vector<std::string> written;

  void note(std::string line) { log.push_back(std::move(line)); }
  const std::string& destination() const { return pdbPath; }
  // Every file the run writes or replaces, before the converter's own.
  std::vector<std::string> writes() const {
    const std::string work = ExtractFilePath(csvPath);
    return {pdbPath, csvPath, ifoPath, ChangeFileExt(csvPath, ".tkg"), work + kStreamCopyName};
  }
};

}  // namespace tk
