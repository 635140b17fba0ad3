#pragma once
// A chosen file that did not convert, in either direction, as the status bar,
// the log and the command line report it.
#include "converter/ConverterTexts.h"
#include "converter/FileOutcome.h"
#include "converter/Notice.h"

#include <string>
#include <vector>

namespace tk {

// The last box of a failure says why the file failed; a reason is one line.
inline std::string FailureReason(const std::vector<Notice>& notices) {
  for (auto notice = notices.rbegin(); notice != notices.rend(); ++notice) {
    if (!notice->report.empty()) continue;
    std::string reason = notice->text;
    for (std::size_t at = reason.find('\n'); at != std::string::npos; at = reason.find('\n', at))
      reason.replace(at, 1, ": ");
    return reason;
  }
  return {};
}

// A chosen file's outcome when it did not convert, or was stopped; the status
// text goes to the run's log too, with the reason when there is one.
inline FileOutcome NotConvertedOutcome(FileOutcome outcome, std::vector<std::string>& log,
                                       std::string reason = {}) {
  outcome.statusText = FileNotConvertedText(outcome.file);
  outcome.reason = std::move(reason);
  log.push_back(outcome.reason.empty() ? outcome.statusText
                                       : outcome.statusText + ": " + outcome.reason);
  return outcome;
}
inline FileOutcome StoppedOutcome(FileOutcome outcome, std::vector<std::string>& log) {
  outcome.stopped = true;
  outcome.statusText = kConversionStopped;
  log.push_back(outcome.statusText);
  return outcome;
}

}  // namespace tk
