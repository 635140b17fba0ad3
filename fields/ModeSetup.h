#pragma once
// Switching the program to a mode: everything mode-dependent is rebuilt by
// this one operation, at start-up and from the Mode menu.
#include "fields/AppState.h"
#include "platform/Ui.h"

#include <cstdint>

namespace tk {

// Saves the settings of the mode being left, records the new mode at once,
// reloads the settings, clears the field table and loads the mode's strategy
// file (writing the built-in default first when it can't be read), and
// makes the work folders. With a window (state.panel) the panel is hidden
// first and rebuilt for the new mode at the end. A mode outside 0..3 is
// taken as EndNote. OperationError from the settings or the strategy file
// stops it where it happens.
void SetupMode(AppState& state, Ui& ui, std::int32_t mode);

// When the mode's strategy file can't be read: the window writes the built-in
// default over it; the command line writes it only where there is no file,
// so it never replaces the user's choices.
enum class DefaultStrategyWrite { WhenUnreadable, OnlyWhenMissing };

// The window-free steps of a mode change, for state.convMode as it stands:
// sets the field count and strategy path, clears the field table and loads
// the strategy file (or the built-in default). False when no strategy could
// be read. The work folders are the caller's.
bool LoadModeStrategy(AppState& state, Ui& ui, DefaultStrategyWrite writeDefault);

}  // namespace tk
