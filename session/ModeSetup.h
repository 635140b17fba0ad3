#pragma once
// Switching the program to a mode: everything mode-dependent is rebuilt by
// this one operation, at start-up and from the Mode menu.
#include "fields/FieldSetup.h"
#include "fields/Settings.h"
#include "platform/Ui.h"

#include <cstdint>
#include <string>

namespace tk {

enum class ModeLoad {
  Loaded,      // the mode's strategy (or its built-in default) is in force
  NoStrategy,  // no strategy could be read; the field table is cleared
  Abandoned,   // stopped where `error` says; the caller shows it
};

struct [[nodiscard]] ModeResult {
  ModeLoad status = ModeLoad::Loaded;
  std::string error;  // for Abandoned: the text of the error box
  // Abandoned because the settings file can't be written; nothing else of
  // the mode was touched.
  bool settingsUnwritable = false;
  bool loaded() const { return status == ModeLoad::Loaded; }
};

// Saves the settings of the mode being left and records the new mode; only
// then reloads the settings, clears the field table and loads the mode's
// strategy file, and makes the work folders. An unwritable settings file
// abandons it with everything of the mode being left still in force,
// settings.mode included. The window hides its field panel before and
// rebuilds it after.
ModeResult SetupMode(Settings& settings, FieldSetup& setup, Ui& ui, Mode mode);

// When the mode's strategy file can't be read: the window writes the built-in
// default over it; the command line writes it only where there is no file,
// so it never replaces the user's choices.
enum class DefaultStrategyWrite { WhenUnreadable, OnlyWhenMissing };

// The window-free steps of a mode change: sets the mode, its field count and
// strategy path, clears the field table and loads the strategy file. When it
// can't be read, the built-in default is written (as DefaultStrategyWrite
// says) and loaded. A value that isn't a whole number is shown at once, the
// file is set aside as "<name>.bad" and the default loaded; the command line
// (OnlyWhenMissing) instead abandons with that message and leaves the file.
// The work folders are the caller's.
ModeResult LoadModeStrategy(FieldSetup& setup, const std::string& dataFolder, Mode mode, Ui& ui,
                            DefaultStrategyWrite writeDefault);

}  // namespace tk
