#include "fields/FieldSetup.h"

namespace tk {
namespace {

char PopupLetterForColumn(int column) {
  return static_cast<char>(column <= 26 ? 96 + column : 39 + column);
}

}  // namespace

int CountSelectedFields(FieldSetup& setup) {
  int selected = 0;
  for (int n = 1; n <= setup.lastField(); ++n) {
    FldDef& field = setup.table[static_cast<std::size_t>(n)];
    field.popupLetter = 0;
    if (!field.selected) continue;
    ++selected;
    if (IsPopupType(field.fldType)) field.popupLetter = PopupLetterForColumn(selected);
  }
  return selected;
}

void ClearFieldTable(FieldSetup& setup) {
  for (int n = 1; n <= setup.lastField(); ++n) {
    setup.table[static_cast<std::size_t>(n)].selected = 0;
    setup.table[static_cast<std::size_t>(n)].maxWidth = 0;
  }
  setup.recordViewWidth = setup.firstColumn = setup.oldFlags = 0;
}

}  // namespace tk
