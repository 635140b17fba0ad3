#pragma once
// The loop both conversion buttons run over the files a dialog returned. A
// result that would replace a file already there is asked about first. A
// later file of the choice may write where an earlier one did (the same base
// name from two folders, or database names that agree in the characters
// kept); the user is warned before its result replaces the earlier one's.
#include "converter/ConverterRunner.h"
#include "converter/ConverterTexts.h"
#include "converter/DestinationClaims.h"
#include "converter/FailureTexts.h"
#include "converter/FileOutcome.h"
#include "platform/Files.h"
#include "platform/Path.h"
#include "platform/Ui.h"

#include <algorithm>
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

// The chosen file that a run writing `writes` (its destination, then its CSV
// and the rest) would replace or delete, with the converter's copies and
// outputs beside that CSV; empty when none would be.
inline std::string ChosenFileWrittenOver(const std::vector<std::string>& chosen,
                                         const std::vector<std::string>& writes) {
  if (writes.size() < 2) return {};
  const std::string work = ExtractFilePath(writes[1]);
  std::vector<std::string> all = writes;
  for (const char* name : {kInputCopyName, kDescriptionCopyName, kConverterLogName})
    all.push_back(work + name);
  for (const std::string& file : chosen) {
    // Another spelling of the path, or a link, is the same file.
    if (std::any_of(all.begin(), all.end(), [&](const std::string& written) {
          return file == written || SameFile(file, written);
        }))
      return file;
    const std::string name = ExtractFileName(file);
    if (name.rfind(kOutputPrefix, 0) == 0 && SameFile(ExtractFilePath(file), work)) return file;
  }
  return {};
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
    FileOutcome outcome;
    // A file the user chose is never the one a conversion writes over.
    if (const std::string over = ChosenFileWrittenOver(chosen, run.writes()); !over.empty()) {
      const std::string text = WritesOverChosenText(file, over);
      ui.showMessage(MessageKind::Error, text);
      outcome.file = file;
      outcome = NotConvertedOutcome(outcome, run.log, text);
    } else {
      if (!there && !warning.empty()) ui.showMessage(MessageKind::Plain, warning);
      if (there && ui.askToReplace(run.destination(), warning) == ReplaceAnswer::Keep) {
        outcome = KeptOutcome(file, run.destination());
        run.log.push_back(outcome.statusText);
      } else {
        outcome = convert(run);
        outcome.output = run.destination();
        outcome.replaced = there && outcome.converted;
      }
    }
    log.insert(log.end(), run.log.begin(), run.log.end());
    status = outcome.statusText;
    if (onDone) onDone(outcome);
    if (outcome.stopped) break;
  }
  return status;
}

}  // namespace tk
