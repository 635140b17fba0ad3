#pragma once
// The current mode's field setup: which mode, its fields as the user chose
// them, their popup words, the database settings and the strategy file they
// come from. Whoever runs the mode (the window, the command line) owns one.
#include "fields/FieldTable.h"
#include "fields/ProgramModes.h"

#include <cstdint>
#include <string>

namespace tk {

struct FieldSetup {
  Mode mode = Mode::EndNote;
  int fieldCount = 0;
  FieldTable table{};
  PopupLists popupLists = PopupLists(kPopupListCount);
  // Passed to jconv5 through the IFO file as its database settings.
  std::int32_t recordViewWidth = 0;
  std::int32_t firstColumn = 0;
  std::int32_t oldFlags = 0;
  std::string strategyPath;
  // Set only by a complete load of the strategy: a table cleared or half
  // read is never saved over the user's file.
  bool loaded = false;

  void resetPopupLists() { popupLists.assign(kPopupListCount, {}); }
  // Field n of 1..fieldCount (never past the table).
  int lastField() const { return fieldCount < kFieldTableSize ? fieldCount : kMaxFieldCount; }
};

// Number of selected fields among 1..fieldCount; assigns popup letters by
// column position: 'a'..'z' for the 1st..26th selected, then 'B'..'V'.
int CountSelectedFields(FieldSetup& setup);

// Clears selection and widths of 1..fieldCount and the three database
// settings. Types, column widths and popups stay.
void ClearFieldTable(FieldSetup& setup);

}  // namespace tk
