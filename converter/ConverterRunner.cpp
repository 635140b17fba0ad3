#include "converter/ConverterRunner.h"

#include "converter/ProgressSetups.h"
#include "converter/ConverterTexts.h"
#include "fields/PalmFolders.h"
#include "platform/Files.h"
#include "platform/Path.h"
#include "platform/ShortPath.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <random>
#include <vector>

namespace tk {
namespace {

using Lines = std::vector<std::string>;

enum class RunEnd { Ended, Died, Stopped, NotStarted };

struct RunResult {
  RunEnd end = RunEnd::Ended;
  std::string failure;  // why the converter could not be started
};

// False, after naming both files, when the copy failed.
bool CopyOrSay(const std::string& from, const std::string& to, Ui& ui) {
  if (CopyFileBytes(from, to)) return true;
  ShowError(ui, UnableToCopyText(from, to));
  return false;
}

// Every input under its fixed name, or the converter would run on the
// leftovers of an earlier run.
bool CopyWorkInputs(const ConverterJob& job, const ConverterFiles& files, Ui& ui) {
  if (!CopyOrSay(job.source, files.inputCopy, ui)) return false;
  return job.description.empty() || CopyOrSay(job.description, files.descriptionCopy, ui);
}

void ShowConverterProgress(const ConverterJob& job, Ui& ui, const std::string& direction) {
  ui.showProgress(ConverterProgress(
      job.progressFile, direction == kDirectionToPdb ? Banner::ToJFile : Banner::FromJFile));
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

// Starts and waits.
RunResult RunConverter(const ConverterJob& job, const ConverterFiles& files, Ui& ui,
                    const std::string& direction, const std::string& nameArgument,
                    const ConverterServices& services) {
  ShowConverterProgress(job, ui, direction);
  const Lines args = {ConverterPath(job.programFolder),
                      direction,
                      files.inputCopy,
                      files.outputFile,
                      ItemOfWindows1252(nameArgument),
                      files.descriptionCopy};
  StartedChild started = services.launcher.start(args, files.printed);
  RunResult result{RunEnd::NotStarted, started.failure};
  if (started.child) result.end = WaitForConverter(*started.child, ui, services.clock);
  ui.hideProgress();
  return result;
}

// What the converter printed, in order; the file is gone after.
Lines TakePrintedLines(const std::string& printed) {
  Lines lines;
  if (!ReadTextLines(printed, lines)) lines.clear();
  RemoveFile(printed);
  return lines;
}

// The converter's log, then what it printed.
// The converter only ever sees its work copy; the user knows the file by the
// name they chose, so the report speaks of that one.
void NameChosenFile(Lines& lines, const std::string& workCopy, const std::string& chosen) {
  if (workCopy.empty() || chosen.empty()) return;
  for (std::string& line : lines) {
    for (std::size_t at = line.find(workCopy); at != std::string::npos;
         at = line.find(workCopy, at + chosen.size()))
      line.replace(at, workCopy.size(), chosen);
  }
}

Lines ErrorReportLines(const std::string& log, const Lines& printed, const std::string& workCopy,
                       const std::string& chosen) {
  Lines lines;
  if (FileExists(log) && !ReadTextLines(log, lines)) {
    lines = {LogNotReadText(log)};
  }
  lines.insert(lines.end(), printed.begin(), printed.end());
  NameChosenFile(lines, workCopy, chosen);
  return lines;
}

// The output with whatever the converter wrote on the way to it.
void RemoveRunFiles(const ConverterFiles& files) {
  RemoveFile(files.inputCopy);
  RemoveFilesStartingWith(ExtractFilePath(files.outputFile), ExtractFileName(files.outputFile));
  RemoveFile(files.printed);
}

// A name no other run in this or another process is likely to share; the
// work folder is cleared of other runs' outputs besides.
std::string RunName() {
  std::random_device random;
  const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
  const auto value = static_cast<std::uint32_t>(random() ^ static_cast<std::uint32_t>(now));
  char text[9];
  std::snprintf(text, sizeof text, "%08x", static_cast<unsigned>(value));
  return text;
}

// Why the run can't start, if it can't. A missing destination folder is
// announced and made; one that can't be made fails the copy there later.
std::optional<ConverterOutcome> RefuseToStart(const ConverterJob& job, Ui& ui) {
  if (!FileExists(job.source)) {
    ui.showMessage(MessageKind::Plain, kSourceMissing);
    return ConverterOutcome::SourceMissing;
  }
  if (!FileExists(ConverterPath(job.programFolder))) {
    ui.showMessage(MessageKind::Plain, kConverterMissing);
    return ConverterOutcome::ConverterMissing;
  }
  const std::string destinationFolder = ExtractFilePath(job.destination);
  if (!destinationFolder.empty() && !FolderExists(destinationFolder)) {
    ui.showMessage(MessageKind::Plain, kDestinationMade);
    (void)CreateFolders(destinationFolder);
  }
  return std::nullopt;
}

// Only the log tells failure: the exit code has never been read. Through a
// temporary file and a rename, the earlier destination stays whole until
// this one is; a failed copy is reported as not created.
ConverterResult PlaceOutput(const ConverterJob& job, const ConverterFiles& files,
                            const RunResult& run, const Lines& printed, Ui& ui,
                            const char* notCreatedMessage) {
  const RunEnd end = run.end;
  if (end == RunEnd::Died) {
    ShowError(ui, ConverterDiedText(job.source, job.destination));
  }
  const bool logged = FileExists(files.log);
  const bool succeeded = end == RunEnd::Ended && !logged && FileExists(files.outputFile);
  const bool reported = logged || (!succeeded && !printed.empty());
  if (reported) {
    ui.showErrorReport(ErrorReportLines(files.log, printed, files.inputCopy, job.progressFile));
  }
  std::string failure;
  const bool replaced = succeeded && CopyFileBytes(files.outputFile, job.destination, failure);
  RemoveRunFiles(files);
  if (replaced) return {ConverterOutcome::Converted};
  if (end == RunEnd::NotStarted) {
    failure = ConverterNotStartedText(ConverterPath(job.programFolder), run.failure);
  }
  // A converter that died has been reported with the file already.
  if (failure.empty() && end != RunEnd::Died) failure = NothingWrittenText(job.progressFile, reported);
  ShowError(ui, NotCreatedText(notCreatedMessage, failure));
  return {ConverterOutcome::NotCreated};
}

ConverterResult Convert(const ConverterJob& job, Ui& ui, const std::string& direction,
                        const std::string& nameArgument, const char* notCreatedMessage,
                        const ConverterServices& services) {
  if (const auto refused = RefuseToStart(job, ui)) return {*refused};
  const ConverterFiles files = ConverterWorkFiles(job.dataFolder, RunName());
  // Leftovers of an interrupted run must never pass for this run's files.
  for (const auto* file : {&files.log, &files.descriptionCopy}) RemoveFile(*file);
  RemoveFilesStartingWith(ExtractFilePath(files.outputFile), kOutputPrefix);
  RemoveRunFiles(files);
  if (!CopyWorkInputs(job, files, ui)) return {ConverterOutcome::CopyFailed};

  const RunResult run = RunConverter(job, files, ui, direction, nameArgument, services);
  const Lines printed = TakePrintedLines(files.printed);
  if (run.end != RunEnd::Stopped) return PlaceOutput(job, files, run, printed, ui, notCreatedMessage);
  // The converter is dead by now, so nothing it wrote can come back.
  RemoveRunFiles(files);
  for (const auto* file : {&files.log, &files.descriptionCopy}) RemoveFile(*file);
  return {ConverterOutcome::Stopped};
}

}  // namespace

ConverterServices SystemConverterServices() { return {SystemProcessLauncher(), SystemClock()}; }

ConverterFiles ConverterWorkFiles(const std::string& dataFolder, const std::string& run) {
  const std::string folder = WorkFolder(ShortPathName(dataFolder));
  return {JoinPath(folder, "input.tmp"), JoinPath(folder, kOutputPrefix + run + ".tmp"),
          JoinPath(folder, "ifo.tmp"),
          JoinPath(folder, "jconv5.err"), JoinPath(folder, kOutputPrefix + run + ".printed")};
}

std::string ConverterPath(const std::string& programFolder) {
  return JoinPath(programFolder, kConverterFileName);
}

ConverterResult ConvertCsvToPdb(const ConverterJob& job, Ui& ui, const std::string& palmName,
                                const ConverterServices& services) {
  return Convert(job, ui, kDirectionToPdb, palmName, kPdbNotCreated, services);
}

ConverterResult ConvertPdbToCsv(const ConverterJob& job, Ui& ui,
                                const ConverterServices& services) {
  return Convert(job, ui, kDirectionToCsv, " ", kCsvNotCreated, services);
}

}  // namespace tk
