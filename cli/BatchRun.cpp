#include "cli/BatchRun.h"

#include "cli/ConsoleUi.h"
#include "export/ExportDriver.h"
#include "fields/Lifecycle.h"
#include "fields/ModeSetup.h"
#include "fields/PalmFolders.h"
#include "fields/ProgramModes.h"
#include "fields/Settings.h"
#include "import/ImportDriver.h"
#include "platform/Files.h"
#include "platform/IniFile.h"
#include "platform/OperationError.h"

#include <filesystem>

namespace tk::cli {
namespace {

// The dialogs hand over full paths; names are derived from them.
std::vector<std::string> FullPaths(const std::vector<std::string>& files) {
  std::vector<std::string> full;
  for (const auto& file : files) {
    std::error_code ec;
    auto path = std::filesystem::absolute(std::filesystem::path(file), ec);
    full.push_back(ec ? file : path.lexically_normal().string());
  }
  return full;
}

void SaveLog(AppState& state, std::ostream& err) {
  if (!SaveDiagnosticLog(state)) err << "Unable to write to " << LogFilePath(state) << '\n';
}

}  // namespace

bool PrepareMode(AppState& state, Ui& ui, std::optional<std::int32_t> mode) {
  ReadSettings(state);
  if (mode && *mode != state.convMode) {
    state.convMode = *mode;
    state.importExportFolder =
        IniFile(state.settingsFile)
            .readString("UserInfo", ModeInfoOf(*mode)->folderKey, DefaultFolder(state));
  }
  state.resetPopupLists();
  if (!LoadModeStrategy(state, ui, DefaultStrategyWrite::OnlyWhenMissing)) return false;
  MakeWorkFolders(state);
  return true;
}

int RunConversions(AppState& state, Ui& ui, const Invocation& invocation, std::ostream& out) {
  bool allConverted = true;
  auto report = [&](const FileOutcome& done) {
    if (!state.statusText.empty()) out << state.statusText << '\n' << std::flush;
    if (!done.converted) allConverted = false;
  };
  const auto files = FullPaths(invocation.files);
  if (invocation.command == Command::Import)
    ImportChosenFiles(state, ui, files, report);
  else
    ExportChosenFiles(state, ui, files, report);
  return allConverted ? kAllConverted : kSomeFailed;
}

int RunBatch(const std::vector<std::string>& args, const std::string& programFolder,
             std::ostream& out, std::ostream& err) {
  const ParsedCommandLine parsed = ParseCommandLine(args);
  if (!parsed.invocation) {
    err << "tomekit-cli: " << parsed.error << '\n' << UsageText();
    return kUsageError;
  }
  if (parsed.invocation->command == Command::Help) {
    out << HelpText();
    return kAllConverted;
  }
  // The window's settings file, whatever this program is called.
  AppState state = MakeAppState(programFolder, "tomekit");
  ConsoleUi ui(err);
  try {
    if (!PrepareMode(state, ui, parsed.invocation->mode)) return kSomeFailed;
    const int status = RunConversions(state, ui, *parsed.invocation, out);
    SaveLog(state, err);
    return status;
  } catch (const OperationError& error) {
    ui.showMessage(MessageKind::Error, error.what());
    return kSomeFailed;
  }
}

}  // namespace tk::cli
