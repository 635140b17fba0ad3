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

// A row of the export's column map (SGFldMap): a header item of the
// comma-separated file and the field it feeds, 0 for none.
struct ColumnMapRow {
  std::string headerItem;
  int field = 0;
};

// A row of the export's field holder (SGEnHolder): the name a header item must
// match to feed field f, and field f's value in the record being written.
struct HolderRow {
  std::string matchName;
  std::string value;
};

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

  // The converter form's mode (SetMode), set before every converter run.
  std::int32_t converterMode = 0;
  // The file the progress window names (LabelFName) while a conversion runs.
  std::string progressFile;

  // Export direction: the items of the comma-separated line being read, the
  // column map (row i = header column i) and the field holder (row f =
  // field f). Row 0 of both tables is a sink that is never written out.
  std::vector<std::string> csvItems;
  std::vector<ColumnMapRow> SGFldMap;
  std::vector<HolderRow> SGEnHolder;

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
AppState MakeAppState(const std::string& programFolder, const std::string& programName = "tomekit");

}  // namespace tk
