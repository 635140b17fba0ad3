#include "converter/ConverterRunner.h"

#include "converter/ConverterTexts.h"
#include "converter/ProgressSetups.h"
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

// Every input under its fixed name, or the converter would run on the
// leftovers of an earlier run. Empty, or why a copy failed.
std::string CopyWorkInputs(const ConverterJob& job, const ConverterFiles& files) {
  if (!CopyFileBytes(job.source, files.inputCopy)) {
    return UnableToCopyText(job.source, files.inputCopy);
  }
  if (!job.description.empty() && !CopyFileBytes(job.description, files.descriptionCopy)) {
    return UnableToCopyText(job.description, files.descriptionCopy);
  }
  return {};
}

void ShowConverterProgress(const ConverterJob& job, Ui& ui, Direction direction) {
  ui.showProgress(ConverterProgress(
      job.progressFile, direction == Direction::Import ? Banner::ToJFile : Banner::FromJFile));
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

// The converter takes 0x85 for a line break unless told otherwise.
std::string LineBreakOption(PalmCharset palm) {
  const auto mark = static_cast<unsigned char>(MarksOf(palm).lineBreak);
  if (mark == 0x85) return {};
  constexpr char kHex[] = "0123456789abcdef";
  return std::string("--line-break=") + kHex[mark >> 4] + kHex[mark & 0xF];
}

// Starts and waits.
RunResult RunConverter(const ConverterJob& job, const ConverterFiles& files, Ui& ui,
                       Direction direction, const std::string& nameArgument,
                       const ConverterServices& services) {
  ShowConverterProgress(job, ui, direction);
  Lines args = {ConverterPath(job.programFolder),
                ConverterDirectionArgument(direction),
                files.inputCopy,
                files.outputFile,
                ItemOfWindows1252(nameArgument),
                files.descriptionCopy};
  if (const std::string option = LineBreakOption(job.palm); !option.empty()) {
    args.insert(args.begin() + 1, option);
  }
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
// made (and told of); one that can't be made fails the copy there later.
std::optional<ConverterOutcome> RefuseToStart(const ConverterJob& job, ConverterResult& result) {
  if (!FileExists(job.source)) return ConverterOutcome::SourceMissing;
  if (!FileExists(ConverterPath(job.programFolder))) return ConverterOutcome::ConverterMissing;
  const std::string destinationFolder = ExtractFilePath(job.destination);
  if (!destinationFolder.empty() && !FolderExists(destinationFolder)) {
    result.folderMade = true;
    (void)CreateFolders(destinationFolder);
  }
  return std::nullopt;
}

// Only the log tells failure: the exit code has never been read. Through a
// temporary file and a rename, the earlier destination stays whole until
// this one is; a failed copy is reported as not created.
void PlaceOutput(const ConverterJob& job, const ConverterFiles& files, const RunResult& run,
                 const Lines& printed, ConverterResult& result) {
  const RunEnd end = run.end;
  const bool logged = FileExists(files.log);
  const bool succeeded = end == RunEnd::Ended && !logged && FileExists(files.outputFile);
  const bool reported = logged || (!succeeded && !printed.empty());
  if (reported)
    result.report = ErrorReportLines(files.log, printed, files.inputCopy, job.progressFile);
  std::string failure;
  const bool replaced = succeeded && CopyFileBytes(files.outputFile, job.destination, failure);
  RemoveRunFiles(files);
  if (replaced) return;
  if (end == RunEnd::Died) {
    result.outcome = ConverterOutcome::Died;
    result.reason = ConverterDiedText(job.source, job.destination);
    return;
  }
  if (end == RunEnd::NotStarted) {
    failure = ConverterNotStartedText(ConverterPath(job.programFolder), run.failure);
  }
  if (failure.empty()) failure = NothingWrittenText(job.progressFile, reported);
  result.outcome = ConverterOutcome::NotCreated;
  result.reason = failure;
}

ConverterResult Convert(const ConverterJob& job, Ui& ui, Direction direction,
                        const std::string& nameArgument, const ConverterServices& services) {
  ConverterResult result;
  result.direction = direction;
  if (const auto refused = RefuseToStart(job, result)) {
    result.outcome = *refused;
    return result;
  }
  const ConverterFiles files = ConverterWorkFiles(job.dataFolder, RunName());
  // Leftovers of an interrupted run must never pass for this run's files.
  for (const auto* file : {&files.log, &files.descriptionCopy}) RemoveFile(*file);
  RemoveFilesStartingWith(ExtractFilePath(files.outputFile), kOutputPrefix);
  RemoveRunFiles(files);
  result.reason = CopyWorkInputs(job, files);
  if (!result.reason.empty()) {
    result.outcome = ConverterOutcome::CopyFailed;
    return result;
  }
  const RunResult run = RunConverter(job, files, ui, direction, nameArgument, services);
  const Lines printed = TakePrintedLines(files.printed);
  if (run.end != RunEnd::Stopped) {
    PlaceOutput(job, files, run, printed, result);
    return result;
  }
  // The converter is dead by now, so nothing it wrote can come back.
  RemoveRunFiles(files);
  for (const auto* file : {&files.log, &files.descriptionCopy}) RemoveFile(*file);
  result.outcome = ConverterOutcome::Stopped;
  return result;
}

const char* NotCreatedLead(Direction direction) {
  return direction == Direction::Import ? kPdbNotCreated : kCsvNotCreated;
}

}  // namespace

ConverterServices SystemConverterServices() { return {SystemProcessLauncher(), SystemClock()}; }

ConverterFiles ConverterWorkFiles(const std::string& dataFolder, const std::string& run) {
  const std::string folder = WorkFolder(ShortPathName(dataFolder));
  return {JoinPath(folder, kInputCopyName), JoinPath(folder, kOutputPrefix + run + ".tmp"),
          JoinPath(folder, kDescriptionCopyName), JoinPath(folder, kConverterLogName),
          JoinPath(folder, kOutputPrefix + run + ".printed")};
}

std::string ConverterPath(const std::string& programFolder) {
  return JoinPath(programFolder, kConverterFileName);
}

ConverterResult ConvertCsvToPdb(const ConverterJob& job, Ui& ui, const std::string& palmName,
                                const ConverterServices& services) {
  return Convert(job, ui, Direction::Import, palmName, services);
}

ConverterResult ConvertPdbToCsv(const ConverterJob& job, Ui& ui,
                                const ConverterServices& services) {
  return Convert(job, ui, Direction::Export, " ", services);
}

std::vector<Notice> ConverterNotices(const ConverterResult& result) {
  std::vector<Notice> notices;
  if (result.folderMade) notices.push_back(PlainNotice(kDestinationMade));
  switch (result.outcome) {
    case ConverterOutcome::Converted:
    case ConverterOutcome::Stopped:
      break;
    case ConverterOutcome::SourceMissing:
      notices.push_back(PlainNotice(kSourceMissing));
      break;
    case ConverterOutcome::ConverterMissing:
      notices.push_back(PlainNotice(kConverterMissing));
      break;
    case ConverterOutcome::CopyFailed:
      notices.push_back(ErrorNotice(result.reason));
      break;
    case ConverterOutcome::Died:
      // The death is told with the files; the closing box needs no second line.
      notices.push_back(ErrorNotice(result.reason));
      if (!result.report.empty()) notices.push_back(ReportNotice(result.report));
      notices.push_back(ErrorNotice(NotCreatedLead(result.direction)));
      break;
    case ConverterOutcome::NotCreated:
      if (!result.report.empty()) notices.push_back(ReportNotice(result.report));
      notices.push_back(
          ErrorNotice(NotCreatedText(NotCreatedLead(result.direction), result.reason)));
      break;
  }
  return notices;
}

}  // namespace tk
