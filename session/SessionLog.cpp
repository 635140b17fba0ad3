#include "session/SessionLog.h"

#include "platform/FileAppend.h"
#include "platform/Files.h"
#include "platform/Path.h"

#include <utility>

namespace tk {

namespace {

std::string EscapedLine(const std::string& line) {
  std::string out;
  for (const char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 || c == '\t') {
      out += c;
    } else if (c == '\r') {
      out += "<CR>";
    } else if (c == '\n') {
      out += "<LF>";
    } else {
      constexpr char kHex[] = "0123456789ABCDEF";
      out += std::string("<0x") + kHex[byte >> 4] + kHex[byte & 0xF] + ">";
    }
  }
  return out;
}

}  // namespace

std::vector<std::string> LogFileLines(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  out.reserve(lines.size());
  for (const std::string& line : lines) out.push_back(EscapedLine(line));
  return out;
}

std::string PreviousLogPath(const std::string& logPath) { return ChangeFileExt(logPath, ".1.txt"); }

SessionLog::SessionLog(std::string path, std::vector<std::string>& lines,
                       const std::string& startLine)
    : path_(std::move(path)), lines_(lines) {
  // Only a plain file is set aside: anything else at that name is the
  // user's, and the closing save will say it can't write there.
  if (KindOfFile(path_) == FileKind::Regular) {
    RemoveFile(PreviousLogPath(path_));
    static_cast<void>(RenameFile(path_, PreviousLogPath(path_)));
  }
  lines_.insert(lines_.begin(), startLine);
  flush();
}

bool SessionLog::flush() {
  if (written_ >= lines_.size()) return true;
  const std::vector<std::string> fresh(lines_.begin() + static_cast<std::ptrdiff_t>(written_),
                                       lines_.end());
  if (!AppendTextLines(path_, LogFileLines(fresh))) return false;
  written_ = lines_.size();
  return true;
}

}  // namespace tk
