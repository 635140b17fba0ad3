#pragma once
// One file's export: where it reads and writes, and what it logs.
#include <string>
#include <vector>

namespace tk {

struct ExportRun {
  std::string pdbPath;           // the database chosen
  std::string csvPath;           // what jconv5 writes, in the work folder
  std::string ifoPath;           // in the work folder
  std::string taggedPath;        // the .tsv or .RIS file, in the mode's folder
  std::vector<std::string> log;  // lines for the diagnostic log, in order

  void note(std::string line) { log.push_back(std::move(line)); }
  const std::string& destination() const { return taggedPath; }
  // Every file the run writes or replaces, before the converter's own.
  std::vector<std::string> writes() const { return {taggedPath, csvPath, ifoPath}; }
};

}  // namespace tk
