#include "export/ExportDriver.h"

#include "converter/ChosenFiles.h"
#include "converter/ConverterRunner.h"
#include "converter/FailureTexts.h"
#include "converter/ProgressSetups.h"
#include "converter/WorkFileNames.h"
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
  run.note(kExportHeading);
  LogWorkFileNames(run.log, run.csvPath, run.pdbPath, run.ifoPath);
}

// The converter reads no description going back to CSV.
[[nodiscard]] ConverterResult RunConverter(const Settings& settings, const ExportRun& run, Ui& ui) {
  const ConverterJob job{
      settings.dataFolder, settings.programFolder, run.pdbPath, run.pdbPath, run.csvPath, {},
      settings.palmCharset};
  return ConvertPdbToCsv(job, ui);
}

// What auto writes: today's Windows-1252 from a Windows-1252 handheld; from
// any other, UTF-8, which holds every character the handheld can.
Charset ExportCharset(const Settings& settings) {
  if (settings.charset != Charset::Auto) return settings.charset;
  return settings.palmCharset == PalmCharset::Windows1252 ? Charset::Windows1252 : Charset::Utf8;
}

// The messages are shown while the progress window is still up.
[[nodiscard]] TaggedResult WriteTagged(const FieldSetup& setup, const Settings& settings,
                                       const ExportRun& run, Ui& ui) {
  ui.showProgress(RecordProgress(run.pdbPath, Banner::MovingFrom, false));
  const TaggedFormat format{setup.mode, setup.fieldCount, ExportCharset(settings),
                            settings.exportFormat == ExportFormat::Tagged, settings.palmCharset};
  const TaggedResult result = ConvertCsvToTagged(format, run.csvPath, run.taggedPath, ui);
  ShowNotices(ui, TaggedNotices(result, setup.mode, run.pdbPath));
  ui.hideProgress();
  return result;
}

}  // namespace

std::string ExportDialogFilter(Mode mode) {
  const std::string pattern = std::string(InfoOf(mode).prefix) + "*.PDB";
  return "Tomekit PDB  File (" + pattern + ")|" + pattern + "|All PDB files|*.pdb|" +
         kAllFilesFilter;
}

std::string ExportStatusText(Mode mode, std::int32_t records) {
  return TransferredToText(records, InfoOf(mode).managerName);
}

std::string ExportChosenFiles(const Settings& settings, const FieldSetup& setup,
                              std::vector<std::string>& log, Ui& ui,
                              const std::vector<std::string>& chosen, const FileDone& onDone) {
  if (chosen.empty()) return {};
  std::string statusText = ForEachChosenFile<ExportRun>(
      chosen, log, ui, onDone,
      [&](const std::string& file, ExportRun& run, DestinationClaims& claims) {
        run.pdbPath = file;
        NameExportFiles(settings, setup.mode, run);
        return claims.claim(run.pdbPath, run.taggedPath);
      },
      [&](ExportRun& run) { return RunExport(settings, setup, run, ui); });
  ui.processMessages();
  return statusText;
}

FileOutcome RunExport(const Settings& settings, const FieldSetup& setup, ExportRun& run, Ui& ui) {
  ui.progressStep(1);
  ui.showProgress(RecordProgress(run.pdbPath, Banner::MovingTo, true));
  LogExportNames(run);

  FileOutcome outcome;
  outcome.file = run.pdbPath;
  const ConverterResult converted = RunConverter(settings, run, ui);
  ui.hideProgress();
  const std::vector<Notice> told = ConverterNotices(converted);
  ShowNotices(ui, told);
  if (converted.outcome == ConverterOutcome::Stopped) return StoppedOutcome(outcome, run.log);
  if (!converted.converted()) {
    run.note(kConverterFailedLine);
    return NotConvertedOutcome(outcome, run.log, FailureReason(told));
  }
  const TaggedResult result = WriteTagged(setup, settings, run, ui);
  if (result.stop == CsvStop::Stopped) {
    // The CSV is this run's alone; the earlier tagged file was never touched.
    RemoveFile(run.csvPath);
    return StoppedOutcome(outcome, run.log);
  }
  if (result.outcome != TaggedOutcome::Written) {
    return NotConvertedOutcome(outcome, run.log,
                               FailureReason(TaggedNotices(result, setup.mode, run.pdbPath)));
  }
  outcome.records = result.records;
  outcome.converted = true;
  outcome.statusText = ExportStatusText(setup.mode, result.records);
  run.note(outcome.statusText);
  return outcome;
}

}  // namespace tk
