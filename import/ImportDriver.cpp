#include "import/ImportDriver.h"

#include "converter/ConverterRunner.h"
#include "converter/DestinationClaims.h"
#include "converter/FailureTexts.h"
#include "fields/PalmFolders.h"
#include "fields/ProgramModes.h"
#include "import/ExportInput.h"
#include "import/GenericPrePass.h"
#include "import/IfoWriter.h"
#include "import/OutputNaming.h"
#include "import/RisReader.h"
#include "import/TabExportReader.h"
#include "platform/Charset.h"
#include "platform/InstallRequestStore.h"

namespace tk {
namespace {

void ShowError(Ui& ui, const std::string& text) { ui.showMessage(MessageKind::Error, text); }

// The messages of a reader (or the pre-pass), in the order it met them.
void ShowReadMessages(const ReadResult& result, Mode mode, Ui& ui) {
  switch (result.status) {
    case ReadStatus::OutputNotOpened:
      ShowError(ui, "Couldnt open output CSV File");
      return;
    case ReadStatus::InputNotOpened:
      ShowError(ui, InfoOf(mode).inputNotOpened);
      break;
    case ReadStatus::InputNotRead:
      ShowError(ui, "Couldnt read csv file");
      break;
    case ReadStatus::Read:
    case ReadStatus::Stopped:
      break;
  }
  if (!result.failedFile.empty()) ShowError(ui, "Unable to write to " + result.failedFile);
}

// The ProCite reader on the reduced file, once the pre-pass wrote it whole.
// A failed pre-pass ends the file with no records.
ReadResult ReadGenericExport(const FieldSetup& setup, ImportRun& run, Ui& ui) {
  const std::string reduced = GenericIntermediatePath(run);
  // What an earlier run reduced must never pass for this export.
  RemoveFile(reduced);
  ReadResult prepared = PrepareGenericExport(run, ui);
  if (prepared.status != ReadStatus::Read || !prepared.failedFile.empty()) {
    prepared.records = 0;
    return prepared;
  }
  run.written.push_back(reduced);
  run.inputPath = reduced;
  if (run.inputText == InputText::Utf8) run.inputText = InputText::Transcoded;
  return ReadProCiteExport(setup, run, ui);
}

ReadResult ReadExport(const FieldSetup& setup, ImportRun& run, Ui& ui) {
  switch (setup.mode) {
    case Mode::RefMan:
      return ReadRefManExport(setup, run, ui);
    case Mode::ProCite:
      return ReadProCiteExport(setup, run, ui);
    case Mode::ProCiteGeneric:
      return ReadGenericExport(setup, run, ui);
    case Mode::EndNote:
      break;
  }
  return ReadEndNoteExport(setup, run, ui);
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

// Nothing of a stopped run is left in the work folder.
FileOutcome Stopped(ImportRun& run, FileOutcome outcome) {
  for (const auto& file : run.written) RemoveFile(file);
  return StoppedOutcome(outcome, run.log);
}

FileOutcome Converted(ImportRun& run, const ReadResult& read, FileOutcome outcome) {
  outcome.converted = true;
  outcome.statusText = std::to_string(read.records) + " Records Transferred to  JFile";
  run.note(outcome.statusText);
  if (read.truncated > 0) {
    outcome.statusText += ". Number of truncated records: " + std::to_string(read.truncated);
  }
  if (read.lostValues > 0) {
    outcome.statusText +=
        ". Number of records that lost a value: " + std::to_string(read.lostValues);
  }
  if (read.replaced > 0) {
    outcome.statusText +=
        ". Number of records with replaced characters: " + std::to_string(read.replaced);
  }
  return outcome;
}

// A later file of the choice that replaces an earlier one's database.
void WarnOfSameDatabase(const ImportRun& run, DestinationClaims& claims, Ui& ui) {
  const std::string warning = claims.claim(run.inputPath, run.pdbPath, run.palmName);
  if (!warning.empty()) ui.showMessage(MessageKind::Plain, warning);
}

}  // namespace

FileDialogSetup ImportDialogSetup(const Settings& settings, Mode mode) {
  return {InfoOf(mode).importFilter, settings.importExportFolder};
}

std::string ImportChosenFiles(const Settings& settings, FieldSetup& setup,
                              std::vector<std::string>& log, Ui& ui,
                              const std::vector<std::string>& chosen, const FileDone& onDone) {
  std::string status;
  if (!chosen.empty()) ui.processMessages();
  DestinationClaims claims;
  for (const auto& file : chosen) {
    ImportRun run;
    run.inputPath = file;
    NameImportOutputs(settings, setup.mode, run);
    WarnOfSameDatabase(run, claims, ui);
    const FileOutcome outcome = RunImport(settings, setup, run, ui);
    log.insert(log.end(), run.log.begin(), run.log.end());
    status = outcome.statusText;
    if (onDone) onDone(outcome);
    if (outcome.stopped) break;
  }
  // The databases of the files done before a stop are still installed.
  InstallRequestStore store;
  const std::string message =
      InstallRequestMessage(settings, RequestHotSyncInstall(settings, store));
  if (!message.empty()) ui.showMessage(MessageKind::Plain, message);
  return status;
}

FileOutcome RunImport(const Settings& settings, FieldSetup& setup, ImportRun& run, Ui& ui) {
  FileOutcome outcome;
  outcome.file = run.inputPath;
  if (!DescribeDatabase(setup, run, ui)) return outcome;
  run.written.push_back(run.ifoPath);

  ui.showProgress(ImportProgress(outcome.file, false));
  run.note(" ");
  run.note("EndNote to JFile");
  LogImportNames(run);

  switch (TakeExportInput(settings, run, ui)) {
    case InputTaken::Stopped:
      ui.hideProgress();
      return Stopped(run, outcome);
    case InputTaken::CopyFailed:
      ui.hideProgress();
      return NotConvertedOutcome(outcome, run.log);
    case InputTaken::Ready:
      break;
  }
  const std::string readFrom = run.inputPath;
  const ReadResult read = ReadExport(setup, run, ui);
  // A pipe's copy has served its one purpose.
  if (readFrom == StreamCopyPath(settings)) RemoveFile(readFrom);
  if (read.status == ReadStatus::Stopped) {
    ui.hideProgress();
    return Stopped(run, outcome);
  }
  ShowReadMessages(read, setup.mode, ui);
  run.note("Endnote file record count was " + std::to_string(read.records));
  if (read.records == 0) {
    ui.hideProgress();
    ShowError(ui, "Error Converting EndNote file");
    return outcome;
  }
  run.written.push_back(run.csvPath);
  ui.progressStep(1);
  ui.showProgress(ImportProgress(outcome.file, true));
  const ConverterJob job{settings.dataFolder, settings.programFolder,
                         outcome.file,        run.csvPath,
                         run.pdbPath,         run.ifoPath};
  const ConverterResult converted = ConvertCsvToPdb(job, ui, run.palmName);
  outcome.records = read.records;
  if (converted.outcome == ConverterOutcome::Stopped) return Stopped(run, outcome);
  if (!converted.converted()) return NotConvertedOutcome(outcome, run.log);
  return Converted(run, read, outcome);
}

}  // namespace tk
