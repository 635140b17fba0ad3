#pragma once
// The JFile database description (IFO file) that jconv5 reads beside the
// CSV: the selected fields' types and widths, the database settings and the
// popup word lists.
#include "fields/AppState.h"
#include "platform/Ui.h"

namespace tk {

// Most words a popup section may hold; later words are left out.
inline constexpr int kMaxPopupWords = 99;

// Writes state.ifoPath from the field table; false (after telling the user)
// when the file can't be written or no field is selected.
bool WriteIfoFile(AppState& state, Ui& ui);

}  // namespace tk
