#include "converter/ConverterRunner.h"

#include "fields/PalmFolders.h"
#include "platform/Files.h"
#include "platform/Path.h"
#include "platform/ShortPath.h"

#include <optional>
#include <vector>

namespace tk {
namespace {

using Lines = std::vector<std::string>;

enum class RunEnd { Ended, Died, Stopped };

void ShowError(Ui& ui, const std::string& text) { ui.showMessage(MessageKind::Error, text); }

// False, after naming both files, when the copy failed.
bool CopyOrSay(const std::string& from, const std::string& to, Ui& ui) {
  if (CopyFileBytes(from, to)) return true;
  ShowError(ui, "Unable to copy " + from + " to " + to);
  return false;
}

// Every input under its fixed name, or the converter would run on the
// leftovers of an earlier run.
bool CopyWorkInputs(const ConverterJob& job, const ConverterFiles& files, Ui& ui) {
  if (!CopyOrSay(job.source, files.inputCopy, ui)) return false;
  return job.description.empty() || CopyOrSay(job.description, files.descriptionCopy, ui);
}

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
// The short sleep keeps the window live without spinning a core. A converter
// that did not end by itself (killed or crashed) may have left its output
// half written; one the user stopped is killed here.
RunEnd WaitForConverter(ChildProcess& child, Ui& ui, const Clock& clock) {
  const std::int64_t start = clock.wallSeconds();
  std::int64_t lastShown = start;
  for (;;) {
    const auto state = child.poll();
    if (state == ChildProcess::State::QueryFailed) return RunEnd::Ended;
    const std::int64_t now = clock.wallSeconds();
    if (now > lastShown) {
      lastShown = now;
      ui.progressStep(static_cast<int>(now - start));
      ui.processMessages();
    }
    ui.processMessages();
    if (ui.stopRequested()) {
      child.kill();
      (void)child.wait();
      return RunEnd::Stopped;
    }
    if (state == ChildProcess::State::Ended) {
      return child.wait() >= 0 ? RunEnd::Ended : RunEnd::Died;
    }
    clock.sleepMilliseconds(kConverterPollMs);
  }
}

// Starts and waits; a converter that can't be started leaves no output,
// which is reported as not created.
RunEnd RunConverter(const ConverterJob& job, const ConverterFiles& files, Ui& ui,
                    const std::string& direction, const std::string& nameArgument,
                    const ConverterServices& services) {
  ShowConverterProgress(job, ui, direction);
  const Lines args = {ConverterPath(job.converterFolder),
                      direction,
                      files.inputCopy,
                      files.outputFile,
                      ItemOfWindows1252(nameArgument),
                      files.descriptionCopy};
  RunEnd end = RunEnd::Ended;
  if (auto child = services.launcher.start(args, files.printed)) {
    end = WaitForConverter(*child, ui, services.clock);
  }
  ui.hideProgress();
  return end;
}

// What the converter printed, in order; the file is gone after.
Lines TakePrintedLines(const std::string& printed) {
  Lines lines;
  if (!ReadTextLines(printed, lines)) lines.clear();
  RemoveFile(printed);
  return lines;
}

// The converter's log, then what it printed.
Lines ErrorReportLines(const std::string& log, const Lines& printed) {
  Lines lines;
  if (FileExists(log) && !ReadTextLines(log, lines)) {
    lines = {"The converter's log " + log + " could not be read."};
  }
  lines.insert(lines.end(), printed.begin(), printed.end());
  return lines;
}

void RemoveRunFiles(const ConverterFiles& files) {
  RemoveFile(files.inputCopy);
  RemoveFile(files.outputFile);
}

// Why the run can't start, if it can't. A missing destination folder is
// announced and made; one that can't be made fails the copy there later.
std::optional<ConverterOutcome> RefuseToStart(const ConverterJob& job, Ui& ui) {
  if (!FileExists(job.source)) {
    ui.showMessage(MessageKind::Plain, "The source file does not exist");
    return ConverterOutcome::SourceMissing;
  }
  if (!FileExists(ConverterPath(job.converterFolder))) {
    ui.showMessage(MessageKind::Plain, "Jconv5.exe not found!");
    return ConverterOutcome::ConverterMissing;
  }
  const std::string destinationFolder = ExtractFilePath(job.destination);
  if (!destinationFolder.empty() && !FolderExists(destinationFolder)) {
    ui.showMessage(MessageKind::Plain, "Destination directory Had to be created");
    (void)CreateFolders(destinationFolder);
  }
  return std::nullopt;
}

// Only the log tells failure: the exit code has never been read. Through a
// temporary file and a rename, the earlier destination stays whole until
// this one is; a failed copy is reported as not created.
ConverterResult PlaceOutput(const ConverterJob& job, const ConverterFiles& files, RunEnd end,
                            const Lines& printed, Ui& ui, const char* notCreatedMessage) {
  if (end == RunEnd::Died) {
    ShowError(ui, "jconv5 stopped before it had finished converting " + job.source +
                      "; nothing was written to " + job.destination);
  }
  const bool logged = FileExists(files.log);
  const bool succeeded = end == RunEnd::Ended && !logged && FileExists(files.outputFile);
  if (logged || (!succeeded && !printed.empty())) {
    ui.showErrorReport(ErrorReportLines(files.log, printed));
  }
  const bool replaced = succeeded && CopyFileBytes(files.outputFile, job.destination);
  RemoveRunFiles(files);
  if (replaced) return {ConverterOutcome::Converted};
  ShowError(ui, notCreatedMessage);
  return {ConverterOutcome::NotCreated};
}

ConverterResult Convert(const ConverterJob& job, Ui& ui, const std::string& direction,
                        const std::string& nameArgument, const char* notCreatedMessage,
                        const ConverterServices& services) {
  if (const auto refused = RefuseToStart(job, ui)) return {*refused};
  const ConverterFiles files = ConverterWorkFiles(job.programFolder);
  // Leftovers of an interrupted run must never pass for this run's files.
  for (const auto* file : {&files.log, &files.descriptionCopy, &files.printed}) RemoveFile(*file);
  RemoveRunFiles(files);
  if (!CopyWorkInputs(job, files, ui)) return {ConverterOutcome::CopyFailed};

  const RunEnd end = RunConverter(job, files, ui, direction, nameArgument, services);
  const Lines printed = TakePrintedLines(files.printed);
  if (end != RunEnd::Stopped) return PlaceOutput(job, files, end, printed, ui, notCreatedMessage);
  RemoveRunFiles(files);
  RemoveFile(files.descriptionCopy);
  return {ConverterOutcome::Stopped};
}

}  // namespace

ConverterServices SystemConverterServices() { return {SystemProcessLauncher(), SystemClock()}; }

ConverterFiles ConverterWorkFiles(const std::string& programFolder) {
  const std::string folder = WorkFolder(ShortPathName(programFolder));
  return {JoinPath(folder, "input.tmp"), JoinPath(folder, "out.tmp"), JoinPath(folder, "ifo.tmp"),
          JoinPath(folder, "jconv5.err"), JoinPath(folder, "printed.tmp")};
}

std::string ConverterPath(const std::string& converterFolder) {
  return JoinPath(converterFolder, kConverterFileName);
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
