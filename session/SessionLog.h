#pragma once
// The diagnostic log written as it grows, so a session that ends in a crash
// still leaves its lines in Log.txt. The lines themselves stay in the vector
// the conversions add to; the whole file is written once more at the end
// (SaveDiagnosticLog), with the same lines in the same order.
#include <cstddef>
#include <string>
#include <vector>

namespace tk {

class SessionLog {
public:
  // Sets the last session's Log.txt aside as Log.1.txt (replacing an older
  // one) and begins the log with startLine, the session's date and time.
  SessionLog(std::string path, std::vector<std::string>& lines, const std::string& startLine);

  // Adds the lines added since the last call to Log.txt; false when it
  // can't be written (the closing save reports that).
  bool flush();
  // The whole log has just been written out in one piece (at close): the
  // lines so far are not to be added again.
  void markSaved() { written_ = lines_.size(); }

private:
  std::string path_;
  std::vector<std::string>& lines_;
  std::size_t written_ = 0;
};

// The lines as Log.txt holds them: a control character inside a line (a
// file named with CR LF) is written as "<CR>", "<LF>" or "<0x07>", so no
// name can forge a line of the log or cut one in two.
std::vector<std::string> LogFileLines(const std::vector<std::string>& lines);

// "Log.1.txt" beside the log.
std::string PreviousLogPath(const std::string& logPath);

}  // namespace tk
