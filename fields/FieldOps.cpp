#include "fields/FieldOps.h"

#include "fields/FieldCatalogue.h"
#include "fields/FieldPanelView.h"
#include "fields/FieldTable.h"

namespace tk {
namespace {

char PopupLetterForColumn(int column) {
  return static_cast<char>(column <= 26 ? 96 + column : 39 + column);
}

}  // namespace

int CountSelectedFields(AppState& state) {
  int selected = 0;
  for (int n = 1; n <= state.fieldCount && n < kFieldTableSize; ++n) {
    FldDef& field = FldTable[n];
    field.popupLetter = 0;
    if (!field.selected) continue;
    ++selected;
    if (IsPopupType(field.fldType)) field.popupLetter = PopupLetterForColumn(selected);
  }
  return selected;
}

void ClearFieldTable(AppState& state) {
  for (int n = 1; n <= state.fieldCount && n < kFieldTableSize; ++n) {
    FldTable[n].selected = 0;
    FldTable[n].maxWidth = 0;
  }
  state.dbSetting1 = state.dbSetting2 = state.dbSetting3 = 0;
  ShowFieldPanel(state);
}

void SetFieldCount(AppState& state) {
  if (IsKnownMode(state.convMode)) state.fieldCount = FieldCountOf(state.convMode);
}

void ReadFieldPanel(AppState& state) {
  if (state.panel) state.panel->readFieldPanel(state);
}

void ShowFieldPanel(AppState& state) {
  if (state.panel) state.panel->showFieldPanel(state);
}

}  // namespace tk
