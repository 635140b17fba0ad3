#pragma once
// What the status bar, the log and the command line say of a chosen file
// that did not convert, in either direction.
#include "converter/FileOutcome.h"

#include <string>
#include <vector>

namespace tk {

inline constexpr char kConversionStopped[] = "Conversion stopped";

inline std::string NotConvertedText(const std::string& file) { return file + " was not converted"; }

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
