#pragma once
// One file's import: where it reads and writes, and what it logs.
#include <string>
#include <vector>

namespace tk {

// How the input's text reaches the reader.
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
};

}  // namespace tk
