#include "jconv5/pdb/Csv.h"

namespace jconv5 {

void WriteCsvLine(const std::vector<std::string>& values, std::string& out, char lineBreak) {
  bool first = true;
  for (const std::string& value : values) {
    if (!first) out.push_back(',');
    first = false;
    out.push_back('"');
    if (value.empty()) out.push_back(' ');
    for (char c : value) {
      if (c == '\n')
        out.push_back(lineBreak);
      else if (c == '"')
        out.append("\"\"");
      else if (c != '\r')
        out.push_back(c);
    }
    out.push_back('"');
  }
  out.append("\r\n");
}

}  // namespace jconv5
