#include "fields/ModeSetup.h"

#include "fields/FieldCatalogue.h"
#include "fields/FieldOps.h"
#include "fields/FieldPanelView.h"
#include "fields/PalmFolders.h"
#include "fields/ProgramModes.h"
#include "fields/Settings.h"
#include "fields/StrategyFile.h"
#include "platform/Files.h"

namespace tk {

void SetupMode(AppState& state, Ui& ui, std::int32_t mode) {
  if (!IsKnownMode(mode)) mode = kModeEndNote;
  if (state.panel) state.panel->beginModeSetup();
  // The popup words of the mode being left are dropped, not saved.
  state.resetPopupLists();
  WriteSettings(state);
  state.convMode = mode;
  WriteProgMode(state, mode);
  ReadSettings(state);
  LoadModeStrategy(state, ui, DefaultStrategyWrite::WhenUnreadable);
  MakeWorkFolders(state);
  if (state.panel) state.panel->finishModeSetup(state);
}

bool LoadModeStrategy(AppState& state, Ui& ui, DefaultStrategyWrite writeDefault) {
  SetFieldCount(state);
  SetStrategyPath(state);
  ClearFieldTable(state);
  // What a strategy file leaves out keeps these.
  state.dbSetting1 = 110;
  state.dbSetting2 = 1;
  state.dbSetting3 = 8;
  if (ReadStrategyFile(state, ui, state.strategyPath)) return true;
  if (writeDefault == DefaultStrategyWrite::OnlyWhenMissing && FileExists(state.strategyPath))
    return false;
  WriteDefaultStrategy(state);
  return ReadStrategyFile(state, ui, state.strategyPath);
}

}  // namespace tk
