#pragma once
// A chosen file that did not convert, in either direction, as the status bar,
// the log and the command line report it.
#include "converter/ConverterTexts.h"
#include "converter/FileOutcome.h"

#include <string>
#include <vector>

namespace tk {

// A chosen file's outcome when it did not convert, or was stopped; the status
// text goes to the run's log too.
inline FileOutcome NotConvertedOutcome(FileOutcome outcome, std::vector<std::string>& log) {
  outcome.statusText = NotConvertedText(outcome.file);
  log.push_back(outcome.statusText);
  return outcome;
}
inline FileOutcome StoppedOutcome(FileOutcome outcome, std::vector<std::string>& log) {
  outcome.stopped = true;
  outcome.statusText = kConversionStopped;
  log.push_back(outcome.statusText);
  return outcome;
}

}  // namespace tk
