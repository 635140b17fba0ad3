#include "session/Lifecycle.h"

#include "fields/FieldsTexts.h"
#include "fields/PalmFolders.h"
#include "fields/ProgramModes.h"
#include "fields/StrategyFile.h"
#include "platform/Files.h"
#include "platform/Path.h"
#include "session/SessionLog.h"

namespace tk {

ModeResult StartUp(Settings& settings, FieldSetup& setup, Ui& ui) {
  if (const std::string unused = ReadSettings(settings); !unused.empty()) ShowError(ui, unused);
  const ModeResult result = SetupMode(settings, setup, ui, settings.mode);
  if (!result.settingsUnwritable) return result;
  // Settings that can't be saved (a read-only file or data folder) still name the
  // mode to start in; without its fields the window would be an empty shell.
  if (LoadModeStrategy(setup, settings.dataFolder, settings.mode, ui,
                       DefaultStrategyWrite::WhenUnreadable)
          .loaded()) {
    MakeWorkFolders(settings.dataFolder);
  }
  return result;
}

ShutDownResult ShutDown(const Settings& settings, const FieldSetup& setup,
                        std::vector<std::string>& log) {
  ShutDownResult result;
  const auto failed = [&result](const std::string& path) {
    result.errors.push_back(UnableToWriteText(path));
  };
  if (setup.loaded && !WriteStrategyFile(setup, setup.strategyPath)) failed(setup.strategyPath);
  if (!SaveDiagnosticLog(log, settings)) failed(LogFilePath(settings.dataFolder));
  if (!WriteSettings(settings)) result.errors.push_back(SettingsWriteError(settings));
  return result;
}

bool SaveDiagnosticLog(std::vector<std::string>& log, const Settings& settings) {
  log.push_back(" ");
  log.push_back(ProgramLocationLine(settings.programFolder));
  return WriteTextLines(LogFilePath(settings.dataFolder), LogFileLines(log));
}

std::string LogFilePath(const std::string& dataFolder) { return JoinPath(dataFolder, "Log.txt"); }

}  // namespace tk
