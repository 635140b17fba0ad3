#include "fields/ModeSetup.h"

#include "fields/PalmFolders.h"
#include "fields/StrategyFile.h"
#include "platform/Files.h"
#include "platform/Path.h"

namespace tk {
namespace {

ModeResult Abandon(std::string error) { return {ModeLoad::Abandoned, std::move(error)}; }

void StartMode(FieldSetup& setup, const std::string& programFolder, std::int32_t mode) {
  setup.mode = mode;
  setup.fieldCount = FieldCountOf(mode);
  setup.strategyPath = JoinPath(programFolder, ModeOrEndNote(mode).strategyFile);
  ClearFieldTable(setup);
  // What a strategy file leaves out keeps these.
  setup.dbSetting1 = 110;
  setup.dbSetting2 = 1;
  setup.dbSetting3 = 8;
}

// Reads the strategy file; the message of a read error is shown at once.
ModeResult LoadStrategy(FieldSetup& setup, Ui& ui) {
  const StrategyReadResult read = ReadStrategyFile(setup, ui, setup.strategyPath);
  switch (read.status) {
    case StrategyRead::Read:
      return {};
    case StrategyRead::NotANumber:
      return Abandon(NotAnIntegerMessage(read.badToken));
    case StrategyRead::ReadError:
      ui.showMessage(MessageKind::Error, "Couldnt Read Strategy File");
      break;
    case StrategyRead::NotOpened:
      break;
  }
  return {ModeLoad::NoStrategy, {}};
}

}  // namespace

ModeResult SetupMode(Settings& settings, FieldSetup& setup, Ui& ui, std::int32_t mode) {
  if (!IsKnownMode(mode)) mode = kModeEndNote;
  // The popup words of the mode being left are dropped, not saved.
  setup.resetPopupLists();
  if (!WriteSettings(settings)) return Abandon(SettingsWriteError(settings));
  settings.mode = mode;
  if (!WriteProgMode(settings, mode)) return Abandon(SettingsWriteError(settings));
  ReadSettings(settings);
  ModeResult result = LoadModeStrategy(setup, settings.programFolder, settings.mode, ui,
                                       DefaultStrategyWrite::WhenUnreadable);
  if (result.status == ModeLoad::Abandoned) return result;
  MakeWorkFolders(settings.programFolder);
  return result;
}

ModeResult LoadModeStrategy(FieldSetup& setup, const std::string& programFolder, std::int32_t mode,
                            Ui& ui, DefaultStrategyWrite writeDefault) {
  StartMode(setup, programFolder, mode);
  ModeResult first = LoadStrategy(setup, ui);
  if (first.status != ModeLoad::NoStrategy) return first;
  if (writeDefault == DefaultStrategyWrite::OnlyWhenMissing && FileExists(setup.strategyPath)) {
    return first;
  }
  // A default that can't be written leaves whatever file is there to be read.
  if (WriteDefaultStrategy(setup) || FileExists(setup.strategyPath)) return LoadStrategy(setup, ui);
  return first;
}

}  // namespace tk
