#include "import/ImportDriver.h"

#include "converter/ConverterRunner.h"
#include "fields/PalmFolders.h"
#include "fields/ProgramModes.h"
#include "import/GenericPrePass.h"
#include "import/IfoWriter.h"
#include "import/OutputNaming.h"
#include "import/RisReader.h"
#include "import/TabExportReader.h"
#include "platform/InstallRequestStore.h"

namespace tk {
namespace {

void ShowError(Ui& ui, const std::string& text) { ui.showMessage(MessageKind::Error, text); }

// The messages of a reader (or the pre-pass), in the order it met them.
void ShowReadMessages(const ReadResult& result, std::int32_t mode, Ui& ui) {
  switch (result.status) {
    case ReadStatus::OutputNotOpened:
      ShowError(ui, "Couldnt open output CSV File");
      return;
    case ReadStatus::InputNotOpened:
      ShowError(ui, mode == kModeRefMan ? "Couldnt Open input .csv file"
                                        : "Couldnt Open input .tsv file");
      break;
    case ReadStatus::InputNotRead:
      ShowError(ui, "Couldnt read csv file");
      break;
    case ReadStatus::Read:
      break;
  }
  if (!result.failedFile.empty()) ShowError(ui, "Unable to write to " + result.failedFile);
}

ReadResult ReadExport(const FieldSetup& setup, ImportRun& run, Ui& ui) {
  switch (setup.mode) {
    case kModeRefMan:
      return ReadRefManExport(setup, run, ui);
    case kModeProCite:
      return ReadProCiteExport(setup, run, ui);
    case kModeProCiteGeneric:
      // The ProCite reader runs on the reduced file even when the pre-pass
      // failed; it then finds no file or an empty one.
      ShowReadMessages(PrepareGenericExport(run, ui), setup.mode, ui);
      run.inputPath = GenericIntermediatePath(run);
      return ReadProCiteExport(setup, run, ui);
    default:
      return ReadEndNoteExport(setup, run, ui);
  }
}

// False (after saying so) when there is no description to convert with.
bool DescribeDatabase(FieldSetup& setup, const ImportRun& run, Ui& ui) {
  const IfoResult ifo = WriteIfoFile(setup, run.ifoPath);
  switch (ifo.status) {
    case IfoStatus::Written:
      return true;
    case IfoStatus::NotCreated:
      ShowError(ui, "Failure creating .IFO file ");
      break;
    case IfoStatus::NoFieldSelected:
      ShowError(ui, "No fields selected \nPlease select a field and try again ");
      break;
    case IfoStatus::NotWritten:
      ShowError(ui, "Unable to write to " + ifo.failedFile);
      break;
  }
  ShowError(ui, "Unable to build .IFO file");
  return false;
}

ProgressSetup ImportProgress(const std::string& inputPath, bool showBar) {
  ProgressSetup progress;
  progress.prefix = "Working on Record number";
  progress.sourceFile = inputPath;
  progress.banner = Banner::MovingTo;
  progress.showRecordCounter = true;
  progress.showBar = showBar;
  return progress;
}

}  // namespace

FileDialogSetup ImportDialogSetup(const Settings& settings, std::int32_t mode) {
  return {std::string(ModeOrEndNote(mode).managerName) + " Exports (*.txt)|*.TXT",
          settings.importExportFolder};
}

std::string ImportChosenFiles(const Settings& settings, FieldSetup& setup,
                              std::vector<std::string>& log, Ui& ui,
                              const std::vector<std::string>& chosen, const FileDone& onDone) {
  std::string status;
  if (!chosen.empty()) ui.processMessages();
  for (const auto& file : chosen) {
    ImportRun run;
    run.inputPath = file;
    const FileOutcome outcome = RunImport(settings, setup, run, ui);
    log.insert(log.end(), run.log.begin(), run.log.end());
    status = outcome.statusText;
    if (onDone) onDone(outcome);
  }
  InstallRequestStore store;
  const std::string message =
      InstallRequestMessage(settings, RequestHotSyncInstall(settings, store));
  if (!message.empty()) ui.showMessage(MessageKind::Plain, message);
  return status;
}

FileOutcome RunImport(const Settings& settings, FieldSetup& setup, ImportRun& run, Ui& ui) {
  FileOutcome outcome;
  outcome.file = run.inputPath;
  NameImportOutputs(settings, setup.mode, run);
  if (!DescribeDatabase(setup, run, ui)) return outcome;

  ui.showProgress(ImportProgress(outcome.file, false));
  run.note(" ");
  run.note("EndNote to JFile");
  LogImportNames(run);

  const ReadResult read = ReadExport(setup, run, ui);
  ShowReadMessages(read, setup.mode, ui);
  run.note("Endnote file record count was " + std::to_string(read.records));
  if (read.records == 0) {
    ui.hideProgress();
    ShowError(ui, "Error Converting EndNote file");
    return outcome;
  }
  ui.progressStep(1);
  ui.showProgress(ImportProgress(outcome.file, true));
  const ConverterJob job{settings.programFolder, outcome.file, run.csvPath, run.pdbPath,
                         run.ifoPath};
  outcome.converted = ConvertCsvToPdb(job, ui, run.palmName).converted();
  outcome.records = read.records;
  outcome.statusText = std::to_string(read.records) + " Records Transferred to  JFile";
  run.note(outcome.statusText);
  if (read.truncated > 0) {
    outcome.statusText += ". Number of truncated records: " + std::to_string(read.truncated);
  }
  return outcome;
}

}  // namespace tk
