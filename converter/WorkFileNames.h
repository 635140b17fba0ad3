#pragma once
// The diagnostic log names a conversion's work files the same way in both
// directions, so a log of either reads alike.
#include <string>
#include <vector>

namespace tk {

inline void LogWorkFileNames(std::vector<std::string>& log, const std::string& csvPath,
                             const std::string& pdbPath, const std::string& ifoPath) {
  log.push_back("sCsv Name is " + csvPath);
  log.push_back("sPdb Name is " + pdbPath);
  log.push_back("IFO  Name is " + ifoPath);
}

}  // namespace tk
