#include "converter/ConverterRunner.h"

#include "fields/PalmFolders.h"
#include "platform/Files.h"
#include "platform/Path.h"
#include "platform/ShortPath.h"

#include <vector>

namespace tk {
namespace {

void ShowConverterProgress(const ConverterJob& job, Ui& ui, const std::string& direction) {
  ProgressSetup setup;
  setup.prefix = "Waiting for Jconv5 to finish";
  setup.sourceFile = job.progressFile;
  setup.banner = direction == kDirectionToPdb ? Banner::ToJFile : Banner::FromJFile;
  setup.showRecordCounter = false;
  setup.showBar = true;
  ui.showProgress(setup);
  ui.processMessages();
}

// Polls until the converter ends, stepping the bar once per elapsed second.
// The short sleep keeps the window live without spinning a core. False when
// the converter did not end by itself (killed or crashed): whatever output it
// left may be half written.
bool WaitForConverter(ChildProcess& child, Ui& ui, const Clock& clock) {
  const std::int64_t start = clock.wallSeconds();
  std::int64_t lastShown = start;
  for (;;) {
    const auto state = child.poll();
    if (state == ChildProcess::State::QueryFailed) return true;
    const std::int64_t now = clock.wallSeconds();
    if (now > lastShown) {
      lastShown = now;
      ui.progressStep(static_cast<int>(now - start));
      ui.processMessages();
    }
    ui.processMessages();
    if (state == ChildProcess::State::Ended) return child.wait() >= 0;
    clock.sleepMilliseconds(kConverterPollMs);
  }
}

// Copies, starts, waits, copies the output back, cleans up. False when the
// converter did not end by itself; nothing is copied then.
[[nodiscard]] bool RunConverter(const ConverterJob& job, Ui& ui, const std::string& direction,
                                const std::string& nameArgument,
                                const ConverterServices& services) {
  ShowConverterProgress(job, ui, direction);
  const ConverterFiles files = ConverterWorkFiles(job.programFolder);
  // Leftovers of an interrupted run must never pass for this run's files.
  DeleteFile(files.inputCopy);
  DeleteFile(files.outputFile);
  // A copy that fails leaves the converter without its input; it then
  // writes no output, and that is reported as not created.
  (void)CopyFile(job.source, files.inputCopy);
  (void)CopyFile(job.description, files.descriptionCopy);

  const std::vector<std::string> args = {ConverterPath(job.programFolder),
                                         direction,
                                         files.inputCopy,
                                         files.outputFile,
                                         nameArgument,
                                         files.descriptionCopy};
  bool finished = true;
  if (auto child = services.launcher.start(args)) {
    finished = WaitForConverter(*child, ui, services.clock);
  }
  ui.hideProgress();
  // A failed copy leaves no destination, and that is reported as not created.
  if (finished) (void)CopyFile(files.outputFile, job.destination);
  DeleteFile(files.inputCopy);
  DeleteFile(files.outputFile);
  return finished;
}

// Shows the converter's log in the error report when it wrote one.
bool ReportConverterLog(const std::string& programFolder, Ui& ui) {
  const std::string log = ConverterWorkFiles(programFolder).log;
  if (!FileExists(log)) return false;
  std::vector<std::string> lines;
  if (!ReadTextLines(log, lines)) lines = {"The converter's log " + log + " could not be read."};
  ui.showErrorReport(lines);
  return true;
}

ConverterResult Convert(const ConverterJob& job, Ui& ui, const std::string& direction,
                        const std::string& nameArgument, const char* notCreatedMessage,
                        const ConverterServices& services) {
  if (!FileExists(job.source)) {
    ui.showMessage(MessageKind::Plain, "The source file does not exist");
    return {ConverterOutcome::SourceMissing};
  }
  if (!FileExists(ConverterPath(job.programFolder))) {
    ui.showMessage(MessageKind::Plain, "Jconv5.exe not found!");
    return {ConverterOutcome::ConverterMissing};
  }
  const std::string destinationFolder = ExtractFilePath(job.destination);
  if (!destinationFolder.empty() && !FolderExists(destinationFolder)) {
    ui.showMessage(MessageKind::Plain, "Destination directory Had to be created");
    // A folder that can't be made leaves no output, reported below.
    (void)CreateFolders(destinationFolder);
  }
  DeleteFile(job.destination);
  DeleteFile(ConverterWorkFiles(job.programFolder).log);
  if (!RunConverter(job, ui, direction, nameArgument, services)) {
    ui.showMessage(MessageKind::Error, "jconv5 stopped before it had finished converting " +
                                           job.source + "; nothing was written to " +
                                           job.destination);
  }
  if (ReportConverterLog(job.programFolder, ui)) DeleteFile(job.destination);
  if (FileExists(job.destination)) return {ConverterOutcome::Converted};
  ui.showMessage(MessageKind::Error, notCreatedMessage);
  return {ConverterOutcome::NotCreated};
}

}  // namespace

ConverterServices SystemConverterServices() { return {systemProcessLauncher(), systemClock()}; }

ConverterFiles ConverterWorkFiles(const std::string& programFolder) {
  const std::string folder = WorkFolder(ShortPathName(programFolder));
  return {JoinPath(folder, "input.tmp"), JoinPath(folder, "out.tmp"), JoinPath(folder, "ifo.tmp"),
          JoinPath(folder, "jconv5.err")};
}

std::string ConverterPath(const std::string& programFolder) {
  return JoinPath(programFolder, kConverterFileName);
}

ConverterResult ConvertCsvToPdb(const ConverterJob& job, Ui& ui, const std::string& palmName,
                                const ConverterServices& services) {
  return Convert(job, ui, kDirectionToPdb, palmName, "Output file not created", services);
}

ConverterResult ConvertPdbToCsv(const ConverterJob& job, Ui& ui,
                                const ConverterServices& services) {
  return Convert(job, ui, kDirectionToCsv, " ", "CSV Output file not created", services);
}

}  // namespace tk
