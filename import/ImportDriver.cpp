#include "import/ImportDriver.h"

#include "converter/ChosenFiles.h"
#include "converter/ConverterRunner.h"
#include "converter/ConverterTexts.h"
#include "converter/FailureTexts.h"
#include "converter/ProgressSetups.h"
#include "fields/PalmFolders.h"
#include "fields/ProgramModes.h"
#include "import/ExportInput.h"
#include "import/HandheldRoutes.h"
#include "import/IfoWriter.h"
#include "import/ImportFormats.h"
#include "import/ImportMessages.h"
#include "import/OutputNaming.h"
#include "platform/Charset.h"
#include "platform/Files.h"
#include "platform/InstallRequestStore.h"

namespace tk {
namespace {

// The messages of a reader (or the pre-pass), in the order it met them.
std::vector<Notice> ShowReadMessages(const ReadResult& result, Mode mode, const std::string& file,
                                     Ui& ui) {
  const std::vector<Notice> notices = ReadNotices(result, InfoOf(mode).inputNotOpened, file);
  ShowNotices(ui, notices);
  return notices;
}

// Why a file read gave nothing to convert.
Refusal RefusalAfterReading(const FormatInMode& taken, const ReadResult& read) {
  if (read.status != ReadStatus::Read || !read.failedFile.empty()) return Refusal::None;
  if (read.noRecordEnd) return Refusal::NoRecordEnds;
  return read.records > 0 ? Refusal::None : taken.nothingRead;
}

// What went wrong (after saying so) when there is no description to convert with.
std::vector<Notice> DescribeDatabase(FieldSetup& setup, const ImportRun& run, Ui& ui) {
  const std::vector<Notice> notices = IfoNotices(WriteIfoFile(setup, run.ifoPath));
  ShowNotices(ui, notices);
  return notices;
}

// Nothing of a stopped run is left in the work folder.
FileOutcome Stopped(ImportRun& run, FileOutcome outcome) {
  for (const auto& file : run.written) RemoveFile(file);
  return StoppedOutcome(outcome, run.log);
}

// The database is written: each route to the handheld is given it, and
// the outcome says which took it.
FileOutcome Converted(const Settings& settings, ImportRun& run, const ReadResult& read,
                      FileOutcome outcome, Ui& ui) {
  outcome.converted = true;
  run.note(TransferredText(read.records));
  outcome.statusText = ImportStatusText(read);
  InstallRequestStore store;
  Handover handover = HandOverDatabase(settings, run, store);
  ShowNotices(ui, handover.problems);
  outcome.routes = std::move(handover.routes);
  outcome.installCommand = std::move(handover.installCommand);
  return outcome;
}

}  // namespace

std::string ImportDialogFilter(Mode mode) {
  const ModeInfo& info = InfoOf(mode);
  return std::string(info.importFilter) + OfferedImportFilters(mode) + "|" + kAllFilesFilter;
}

std::string ImportChosenFiles(const Settings& settings, FieldSetup& setup,
                              std::vector<std::string>& log, Ui& ui,
                              const std::vector<std::string>& chosen, const FileDone& onDone) {
  if (!chosen.empty()) ui.processMessages();
  // Palm Desktop makes a user's Install folder only once something waits
  // there; one that can't be made is told as the database can't be written.
  if (settings.installFromPalmDesktop) (void)CreateFolders(settings.palmInstallFolder);
  return ForEachChosenFile<ImportRun>(
      chosen, log, ui, onDone,
      [&](const std::string& file, ImportRun& run, DestinationClaims& claims) {
        run.inputPath = file;
        NameImportOutputs(settings, setup.mode, run);
        // Names are told in UTF-8, as every message is.
        const std::string shownName = Utf8OfPalm(run.palm, run.palmName);
        const std::string warning = claims.claim(run.inputPath, run.pdbPath, shownName);
        if (!warning.empty()) return warning;
        // An earlier command's database counts as much as this choice's.
        const std::string installed = InstalledDatabaseNamed(settings, run);
        if (installed.empty()) return warning;
        return DatabaseInstalledText(file, installed, shownName);
      },
      [&](ImportRun& run) { return RunImport(settings, setup, run, ui); });
}

FileOutcome RunImport(const Settings& settings, FieldSetup& setup, ImportRun& run, Ui& ui) {
  FileOutcome outcome;
  outcome.file = run.inputPath;
  if (const auto notices = DescribeDatabase(setup, run, ui); !notices.empty()) {
    return NotConvertedOutcome(outcome, run.log, FailureReason(notices));
  }
  run.written.push_back(run.ifoPath);

  ui.showProgress(RecordProgress(outcome.file, Banner::MovingTo, false));
  run.note(" ");
  run.note(kImportHeading);
  LogImportNames(run);

  switch (TakeExportInput(settings, run, ui)) {
    case InputTaken::Stopped:
      ui.hideProgress();
      return Stopped(run, outcome);
    case InputTaken::CopyFailed:
      ui.hideProgress();
      return NotConvertedOutcome(outcome, run.log,
                                 UnableToCopyText(outcome.file, StreamCopyPath(settings)));
    case InputTaken::Ready:
      break;
  }
  const std::string readFrom = run.inputPath;
  const ImportFormat& format = FormatOfExport(run.inputPath, run.inputText);
  const FormatInMode& taken = format.in(setup.mode);
  Refusal refused = format.refusal;
  ReadResult read;
  if (taken.reader) {
    read = taken.reader(setup, run, ui);
    refused = RefusalAfterReading(taken, read);
    if (refused != Refusal::None) read.records = 0;
  }
  // A pipe's copy has served its one purpose.
  if (readFrom == StreamCopyPath(settings)) RemoveFile(readFrom);
  if (read.status == ReadStatus::Stopped) {
    ui.hideProgress();
    return Stopped(run, outcome);
  }
  std::vector<Notice> notices = ShowReadMessages(read, setup.mode, outcome.file, ui);
  run.note(RecordCountLine(read.records));
  if (read.records == 0) {
    ui.hideProgress();
    notices.push_back(ErrorNotice(RefusalText(outcome.file, refused)));
    ShowNotice(ui, notices.back());
    return NotConvertedOutcome(outcome, run.log, FailureReason(notices));
  }
  run.written.push_back(run.csvPath);
  ui.progressStep(1);
  ui.showProgress(RecordProgress(outcome.file, Banner::MovingTo, true));
  const ConverterJob job{settings.dataFolder,
                         settings.programFolder,
                         outcome.file,
                         run.csvPath,
                         run.pdbPath,
                         run.ifoPath,
                         run.palm};
  const ConverterResult converted = ConvertCsvToPdb(job, ui, run.palmName);
  const std::vector<Notice> told = ConverterNotices(converted);
  ShowNotices(ui, told);
  outcome.records = read.records;
  if (converted.outcome == ConverterOutcome::Stopped) return Stopped(run, outcome);
  if (!converted.converted()) return NotConvertedOutcome(outcome, run.log, FailureReason(told));
  return Converted(settings, run, read, outcome, ui);
}

}  // namespace tk
