#include "converter/ConverterRunner.h"

#include "platform/Files.h"
#include "platform/Path.h"
#include "platform/ShortPath.h"

#include <vector>

namespace tk {
namespace {

std::string WorkFile(const std::string& shortProgramFolder, const char* name) {
  return JoinPath(JoinPath(shortProgramFolder, "TKWork"), name);
}

void ShowConverterProgress(const AppState& state, Ui& ui, const std::string& direction) {
  ProgressSetup setup;
  setup.prefix = "Waiting for Jconv5 to finish";
  setup.sourceFile = state.progressFile;
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

int Convert(AppState& state, Ui& ui, const std::string& direction, const std::string& source,
            const std::string& destination, const std::string& ifoPath,
            const std::string& nameArgument, const char* notCreatedMessage,
            const ConverterServices& services) {
  std::string destinationFolder = ExtractFilePath(destination);
  if (!FileExists(source)) {
    ui.showMessage(MessageKind::Plain, "The source file does not exist");
    return 0;
  }
  if (!ConverterPresent(state)) {
    ui.showMessage(MessageKind::Plain, "Jconv5.exe not found!");
    return 0;
  }
  if (!destinationFolder.empty() && !FolderExists(destinationFolder)) {
    ui.showMessage(MessageKind::Plain, "Destination directory Had to be created");
    CreateFolders(destinationFolder);
  }
  DeleteFile(destination);
  DeleteConverterLog(state);
  RunConverter(state, ui, direction, source, destination, ifoPath, nameArgument, services);
  if (ReportConverterLog(state, ui)) DeleteFile(destination);
  if (FileExists(destination)) return 1;
  ui.showMessage(MessageKind::Error, notCreatedMessage);
  return 0;
}

}  // namespace

ConverterServices SystemConverterServices() { return {systemProcessLauncher(), systemClock()}; }

ConverterFiles ConverterWorkFiles(const AppState& state) {
  const std::string folder = ShortPathName(state.programFolder);
  return {WorkFile(folder, "input.tmp"), WorkFile(folder, "out.tmp"), WorkFile(folder, "ifo.tmp"),
          WorkFile(folder, "jconv5.err")};
}

void SetMode(AppState& state, std::int32_t mode) { state.converterMode = mode; }

std::string ConverterPath(const AppState& state) {
  return JoinPath(state.programFolder, kConverterFileName);
}

bool ConverterPresent(const AppState& state) { return FileExists(ConverterPath(state)); }

void DeleteConverterLog(const AppState& state) { DeleteFile(ConverterWorkFiles(state).log); }

bool ReportConverterLog(const AppState& state, Ui& ui) {
  const std::string log = ConverterWorkFiles(state).log;
  if (!FileExists(log)) return false;
  std::vector<std::string> lines;
  ReadTextLines(log, lines);
  ui.showErrorReport(lines);
  return true;
}

int ConvertCsvToPdb(AppState& state, Ui& ui, const std::string& csvPath, const std::string& pdbPath,
                    const std::string& ifoPath, const std::string& palmName,
                    const ConverterServices& services) {
  return Convert(state, ui, kDirectionToPdb, csvPath, pdbPath, ifoPath, palmName,
                 "Output file not created", services);
}

int ConvertPdbToCsv(AppState& state, Ui& ui, const std::string& pdbPath, const std::string& csvPath,
                    const std::string& ifoPath, const ConverterServices& services) {
  return Convert(state, ui, kDirectionToCsv, pdbPath, csvPath, ifoPath, " ",
                 "CSV Output file not created", services);
}

void RunConverter(AppState& state, Ui& ui, const std::string& direction, const std::string& source,
                  const std::string& destination, const std::string& ifoPath,
                  const std::string& nameArgument, const ConverterServices& services) {
  ShowConverterProgress(state, ui, direction);
  const ConverterFiles files = ConverterWorkFiles(state);
  // Leftovers of an interrupted run must never pass for this run's files.
  DeleteFile(files.inputCopy);
  DeleteFile(files.outputFile);
  CopyFile(source, files.inputCopy);
  CopyFile(ifoPath, files.descriptionCopy);

  const std::vector<std::string> args = {ConverterPath(state), direction,    files.inputCopy,
                                         files.outputFile,     nameArgument, files.descriptionCopy};
  bool finished = true;
  if (auto child = services.launcher.start(args))
    finished = WaitForConverter(*child, ui, services.clock);

  ui.hideProgress();
  if (finished) {
    CopyFile(files.outputFile, destination);
  } else {
    ui.showMessage(MessageKind::Error, "jconv5 stopped before it had finished converting " +
                                           source + "; nothing was written to " + destination);
  }
  DeleteFile(files.inputCopy);
  DeleteFile(files.outputFile);
}

}  // namespace tk
