#pragma once
// Operations on the field table of the current mode.
#include "fields/AppState.h"

namespace tk {

// Number of selected fields among 1..fieldCount; assigns popup letters by
// column position: 'a'..'z' for the 1st..26th selected, then 'B'..'V'.
int CountSelectedFields(AppState& state);

// Clears selection and widths of 1..fieldCount and the three database
// settings, then shows the panel. Types, column widths and popups stay.
void ClearFieldTable(AppState& state);

// fieldCount from convMode; an unknown mode leaves it unchanged.
void SetFieldCount(AppState& state);

// The panel into the table and the table into the panel; no-ops headless.
void ReadFieldPanel(AppState& state);
void ShowFieldPanel(AppState& state);

}  // namespace tk
