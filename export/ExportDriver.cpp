#include "export/ExportDriver.h"

#include "converter/ConverterRunner.h"
#include "converter/DestinationClaims.h"
#include "converter/FailureTexts.h"
#include "export/ExportMessages.h"
#include "export/TaggedWriter.h"
#include "fields/PalmFolders.h"
#include "fields/ProgramModes.h"
#include "platform/Files.h"
#include "platform/Path.h"

namespace tk {
namespace {

// The CSV and IFO go to the work folder, the tagged file to the manager's
// folder; all keep the database's base name.
void NameExportFiles(const Settings& settings, Mode mode, ExportRun& run) {
  const std::string csvName = ExtractFileName(ChangeFileExt(run.pdbPath, ".out"));
  const std::string taggedName =
      ExtractFileName(ChangeFileExt(run.pdbPath, InfoOf(mode).exportExtension));
  run.taggedPath = JoinPath(settings.importExportFolder, taggedName);
  run.ifoPath = JoinPath(WorkFolder(settings.dataFolder), "temp.ifo");
  run.csvPath = JoinPath(WorkFolder(settings.dataFolder), csvName);
}

void LogExportNames(ExportRun& run) {
  run.note(" ");
  run.note("JFile to EndNote");
  run.note("sCsv Name is " + run.csvPath);
  run.note("sPdb Name is " + run.pdbPath);
  run.note("IFO  Name is " + run.ifoPath);
}

ProgressSetup ExportProgress(const ExportRun& run, Banner banner, bool showBar) {
  ProgressSetup setup;
  setup.prefix = "Working on Record number";
  setup.sourceFile = run.pdbPath;
  setup.banner = banner;
  setup.showRecordCounter = true;
  setup.showBar = showBar;
  return setup;
}

// The converter reads no description going back to CSV.
[[nodiscard]] ConverterResult RunConverter(const Settings& settings, const ExportRun& run, Ui& ui) {
  const ConverterJob job{
      settings.dataFolder, settings.programFolder, run.pdbPath, run.pdbPath, run.csvPath, {}};
  return ConvertPdbToCsv(job, ui);
}

// The messages are shown while the progress window is still up.
[[nodiscard]] TaggedResult WriteTagged(const FieldSetup& setup, Charset charset,
                                       const ExportRun& run, Ui& ui) {
  ui.showProgress(ExportProgress(run, Banner::MovingFrom, false));
  const TaggedResult result =
      ConvertCsvToTagged({setup.mode, setup.fieldCount, charset}, run.csvPath, run.taggedPath, ui);
  for (const Notice& notice : TaggedNotices(result)) ui.showMessage(notice.kind, notice.text);
  ui.hideProgress();
  return result;
}

// A later file of the choice that replaces an earlier one's tagged file.
void WarnOfSameFile(const ExportRun& run, DestinationClaims& claims, Ui& ui) {
  const std::string warning = claims.claim(run.pdbPath, run.taggedPath);
  if (!warning.empty()) ui.showMessage(MessageKind::Plain, warning);
}

}  // namespace

FileDialogSetup ExportDialogSetup(const Settings& settings, Mode mode) {
  const std::string pattern = std::string(InfoOf(mode).prefix) + "*.PDB";
  return {"Tomekit PDB  File (" + pattern + ")|" + pattern + "|All PDB files|*.pdb",
          settings.palmBackupFolder};
}

std::string ExportStatusText(Mode mode, std::int32_t records) {
  return std::to_string(records) + " Records Transferred to " + InfoOf(mode).managerName;
}

std::string ExportChosenFiles(const Settings& settings, const FieldSetup& setup,
                              std::vector<std::string>& log, Ui& ui,
                              const std::vector<std::string>& chosen, const FileDone& onDone) {
  std::string statusText;
  if (chosen.empty()) return statusText;
  DestinationClaims claims;
  for (const auto& file : chosen) {
    ExportRun run;
    run.pdbPath = file;
    NameExportFiles(settings, setup.mode, run);
    WarnOfSameFile(run, claims, ui);
    const FileOutcome outcome = RunExport(settings, setup, run, ui);
    log.insert(log.end(), run.log.begin(), run.log.end());
    statusText = outcome.statusText;
    if (onDone) onDone(outcome);
    if (outcome.stopped) break;
  }
  ui.processMessages();
  return statusText;
}

FileOutcome RunExport(const Settings& settings, const FieldSetup& setup, ExportRun& run, Ui& ui) {
  ui.progressStep(1);
  ui.showProgress(ExportProgress(run, Banner::MovingTo, true));
  LogExportNames(run);

  FileOutcome outcome;
  outcome.file = run.pdbPath;
  const ConverterResult converted = RunConverter(settings, run, ui);
  ui.hideProgress();
  if (converted.outcome == ConverterOutcome::Stopped) return StoppedOutcome(outcome, run.log);
  if (!converted.converted()) {
    run.note("CSV2PDB returned  0");
    return NotConvertedOutcome(outcome, run.log);
  }
  const TaggedResult result = WriteTagged(setup, settings.charset, run, ui);
  if (result.stop == CsvStop::Stopped) {
    // The CSV is this run's alone; the earlier tagged file was never touched.
    RemoveFile(run.csvPath);
    return StoppedOutcome(outcome, run.log);
  }
  if (result.outcome != TaggedOutcome::Written) return NotConvertedOutcome(outcome, run.log);
  outcome.records = result.records;
  outcome.converted = true;
  outcome.statusText = ExportStatusText(setup.mode, result.records);
  run.note(outcome.statusText);
  return outcome;
}

}  // namespace tk
