#include "session/SessionLog.h"

#include "platform/FileAppend.h"
#include "platform/Files.h"
#include "platform/Path.h"

#include <utility>

namespace tk {

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
  if (!AppendTextLines(path_, fresh)) return false;
  written_ = lines_.size();
  return true;
}

}  // namespace tk
