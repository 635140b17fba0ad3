#include "session/ModeSetup.h"

#include "fields/DefaultStrategy.h"
#include "fields/FieldsTexts.h"
#include "fields/PalmFolders.h"
#include "fields/StrategyFile.h"
#include "platform/Files.h"
#include "platform/Path.h"

namespace tk {
namespace {

// A damaged strategy file is kept under its own name with this added.
constexpr const char* kDamagedSuffix = ".bad";

ModeResult Abandon(std::string error) { return {ModeLoad::Abandoned, std::move(error)}; }

ModeResult NoStrategy() { return {ModeLoad::NoStrategy, {}}; }

// The mode as it stands before its strategy is read. The popup words of the
// mode being left are dropped, not saved.
void ClearStrategy(FieldSetup& setup) {
  setup.loaded = false;
  setup.resetPopupLists();
  ClearFieldTable(setup);
  // What a strategy file leaves out keeps these.
  setup.recordViewWidth = 110;
  setup.firstColumn = 1;
  setup.oldFlags = 8;
}

void StartMode(FieldSetup& setup, const std::string& dataFolder, Mode mode) {
  setup.mode = mode;
  setup.fieldCount = InfoOf(mode).fieldCount;
  setup.strategyPath = JoinPath(dataFolder, InfoOf(mode).strategyFile);
}

// Reads the strategy file into a cleared table; a read that fails leaves it
// cleared again, so nothing read before the failure is counted twice. The
// message of a read error is shown at once.
StrategyReadResult ReadWhole(FieldSetup& setup, Ui& ui) {
  ClearStrategy(setup);
  const StrategyReadResult read = ReadStrategyFile(setup, ui, setup.strategyPath);
  if (read.status == StrategyRead::ReadError) {
    ui.showMessage(MessageKind::Error, kStrategyNotRead);
  }
  if (read.status == StrategyRead::Read) {
    setup.loaded = true;
  } else {
    ClearStrategy(setup);
  }
  return read;
}

// The built-in default straight from memory, for a strategy file that holds
// nothing of the user's yet can't be replaced here (a folder, a FIFO, or an
// empty file the command line leaves alone).
ModeResult UseBuiltInDefault(FieldSetup& setup) {
  ClearStrategy(setup);
  const auto lines = DefaultStrategyLines(setup.mode);
  for (std::size_t i = 0; i < lines.size() && i < kStrategyMaxLines; ++i) {
    (void)ParseStrategyLine(setup, lines[i], static_cast<int>(i));
  }
  setup.loaded = true;
  return {};
}

// The mode's built-in default, written where the file was and read from it.
ModeResult LoadDefault(FieldSetup& setup, Ui& ui, DefaultStrategyWrite writeDefault) {
  if (writeDefault == DefaultStrategyWrite::OnlyWhenMissing && FileExists(setup.strategyPath)) {
    return NoStrategy();
  }
  // A default that can't be written leaves whatever file is there to be read.
  // With nothing there (a folder in the way was named already) the user
  // hears why, and the mode works from memory.
  if (!WriteDefaultStrategy(setup) && !FileExists(setup.strategyPath)) {
    if (KindOfFile(setup.strategyPath) != FileKind::Missing) return NoStrategy();
    ui.showMessage(MessageKind::Error, UnableToWriteText(setup.strategyPath));
    return UseBuiltInDefault(setup);
  }
  const StrategyReadResult read = ReadWhole(setup, ui);
  if (read.status == StrategyRead::NotANumber) return Abandon(read.problem);
  return read.status == StrategyRead::Read ? ModeResult{} : NoStrategy();
}

}  // namespace

ModeResult SetupMode(Settings& settings, FieldSetup& setup, Ui& ui, Mode mode) {
  // Until the new mode is on record, the mode being left stays in force whole.
  if (!WriteSettings(settings) || !WriteProgMode(settings, mode)) {
    ModeResult unsaved = Abandon(SettingsWriteError(settings));
    unsaved.settingsUnwritable = true;
    return unsaved;
  }
  // Just written from what was read, so every value is one that is used.
  (void)ReadSettings(settings);
  ModeResult result = LoadModeStrategy(setup, settings.dataFolder, settings.mode, ui,
                                       DefaultStrategyWrite::WhenUnreadable);
  if (result.status == ModeLoad::Abandoned) return result;
  MakeWorkFolders(settings.dataFolder);
  return result;
}

ModeResult LoadModeStrategy(FieldSetup& setup, const std::string& dataFolder, Mode mode, Ui& ui,
                            DefaultStrategyWrite writeDefault) {
  StartMode(setup, dataFolder, mode);
  const StrategyReadResult read = ReadWhole(setup, ui);
  if (read.status == StrategyRead::Read) return {};
  if (read.status == StrategyRead::NotRegular || read.status == StrategyRead::Empty) {
    ui.showMessage(MessageKind::Error, StrategyProblemMessage(read, setup.strategyPath));
    const ModeResult written = LoadDefault(setup, ui, writeDefault);
    return written.loaded() ? written : UseBuiltInDefault(setup);
  }
  if (read.status == StrategyRead::NotANumber) {
    const std::string message = read.problem;
    if (writeDefault == DefaultStrategyWrite::OnlyWhenMissing) return Abandon(message);
    // The user's file is kept for mending, never overwritten.
    ui.showMessage(MessageKind::Error, message);
    if (!SetFileAside(setup.strategyPath, kDamagedSuffix)) return NoStrategy();
  }
  return LoadDefault(setup, ui, writeDefault);
}

}  // namespace tk
