#pragma once
// The loop both conversion buttons run over the files a dialog returned. A
// later file of the choice may write where an earlier one did (the same base
// name from two folders, or database names that agree in the characters
// kept); the user is warned before its result replaces the earlier one's.
#include "converter/DestinationClaims.h"
#include "converter/FileOutcome.h"
#include "platform/Ui.h"

#include <string>
#include <vector>

namespace tk {

// Each chosen file in dialog order gets a Run of its own:
// prepare(file, run, claims) names the run's files and claims its
// destination, giving the warning to show (empty when none); convert(run)
// converts it. Each run's log lines are added to log, and onDone, when given,
// hears of each file. A stop ends the choice there. The status text of the
// last file run; empty when none was.
template <class Run, class Prepare, class Convert>
std::string ForEachChosenFile(const std::vector<std::string>& chosen,
                              std::vector<std::string>& log, Ui& ui, const FileDone& onDone,
                              Prepare&& prepare, Convert&& convert) {
  std::string status;
  DestinationClaims claims;
  for (const auto& file : chosen) {
    Run run;
    const std::string warning = prepare(file, run, claims);
    if (!warning.empty()) ui.showMessage(MessageKind::Plain, warning);
    const FileOutcome outcome = convert(run);
    log.insert(log.end(), run.log.begin(), run.log.end());
    status = outcome.statusText;
    if (onDone) onDone(outcome);
    if (outcome.stopped) break;
  }
  return status;
}

}  // namespace tk
