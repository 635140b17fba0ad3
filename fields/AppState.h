#pragma once
// The main window's state: everything a conversion or the configuration
// reads and changes, apart from the process-wide FldTable. The window (or the
// command line) owns exactly one; every core operation takes it.
#include <cstdint>
#include <string>
#include <vector>

namespace tk {

class FieldPanelView;

inline constexpr int kPopupListCount = 51;

struct AppState {
  AppState();

  // Where the program lives: settings, strategy files, TKWork, jconv5.
  std::string programFolder;
  std::string settingsFile;  // full path of the INI settings file

  // Mode and fields.
  std::int32_t convMode = 0;
  int fieldCount = 0;
  std::vector<std::vector<std::string>> popupLists;  // 51 lists, by field number
  std::int32_t dbSetting1 = 0;
  std::int32_t dbSetting2 = 0;
  std::int32_t dbSetting3 = 0;
  std::string strategyPath;

  // Settings.
  std::string importExportFolder;
  std::string palmInstallFolder;
  std::string palmBackupFolder;
  std::string hotSyncUserId;

  // The current conversion.
  std::string inputPath;
  std::string pdbPath;
  std::string ifoPath;
  std::string csvPath;
  std::string palmName;
  std::string taggedPath;
  std::int32_t truncatedCount = 0;

  // Results: the status bar's second panel and the diagnostic log (Log.txt).
  std::string statusText;
  std::vector<std::string> memoLog;

  // The field panel when a window shows one; null when headless.
  FieldPanelView* panel = nullptr;

  void resetPopupLists();
  void log(std::string line) { memoLog.push_back(std::move(line)); }
};

// AppState for a program folder, with the settings file named after the
// program (programName + ".INI"), as a window or the CLI starts it.
AppState MakeAppState(const std::string& programFolder,
                      const std::string& programName = "tomekit");

}  // namespace tk
