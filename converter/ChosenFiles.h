#pragma once
// The loop both conversion buttons run over the files a dialog returned. A
// result that would replace a file already there is asked about first. A
// later file of the choice may write where an earlier one did (the same base
// name from two folders, or database names that agree in the characters
// kept); the user is warned before its result replaces the earlier one's.
#include "converter/ConverterTexts.h"
#include "converter/DestinationClaims.h"
#include "converter/FileOutcome.h"
#include "platform/Files.h"
#include "platform/Ui.h"

#include <string>
#include <vector>

namespace tk {

// A file whose earlier result the user kept: nothing of it was converted.
inline FileOutcome KeptOutcome(const std::string& file, const std::string& output) {
  FileOutcome outcome;
  outcome.file = file;
  outcome.kept = true;
  outcome.output = output;
  outcome.statusText = KeptEarlierText(output);
  return outcome;
}

// Each chosen file in dialog order gets a Run of its own:
// prepare(file, run, claims) names the run's files and claims its
// destination, giving the warning to show (empty when none); convert(run)
// converts it. Each run's log lines are added to log, and onDone, when given,
// hears of each file. A stop ends the choice there. The status text of the
// last file run; empty when none was.
template <class Run, class Prepare, class Convert>
std::string ForEachChosenFile(const std::vector<std::string>& chosen, std::vector<std::string>& log,
                              Ui& ui, const FileDone& onDone, Prepare&& prepare,
                              Convert&& convert) {
  std::string status;
  DestinationClaims claims;
  for (const auto& file : chosen) {
    Run run;
    const std::string warning = prepare(file, run, claims);
    const bool there = FileExists(run.destination());
    if (!there && !warning.empty()) ui.showMessage(MessageKind::Plain, warning);
    FileOutcome outcome;
    if (there && ui.askToReplace(run.destination(), warning) == ReplaceAnswer::Keep) {
      outcome = KeptOutcome(file, run.destination());
      run.log.push_back(outcome.statusText);
    } else {
      outcome = convert(run);
      outcome.output = run.destination();
      outcome.replaced = there && outcome.converted;
    }
    log.insert(log.end(), run.log.begin(), run.log.end());
    status = outcome.statusText;
    if (onDone) onDone(outcome);
    if (outcome.stopped) break;
  }
  return status;
}

}  // namespace tk
