#pragma once
// Strategy files ("stratEN.jfp" and siblings): per mode, the database
// settings, the field table and the popup words, one record per line.
//
//   lines 1-3   dbSetting1..3
//   lines 4-7   maxWidth, selected, fldType, colWidth of fields 1..fieldCount,
//               each value followed by a comma
//   line 7+n    "fld<n>" then ",word" for each popup word of field n
#include "fields/AppState.h"
#include "platform/Ui.h"

#include <string>

namespace tk {

// Most lines read: the seven value lines and a popup line for each of the
// 47 fields of the largest mode.
inline constexpr int kStrategyMaxLines = 7 + 47;
// Most popup words taken from one line (tokens 2..101).
inline constexpr int kStrategyMaxWordsRead = 100;
// A longer line (line end included) is read as several lines.
inline constexpr int kStrategyMaxLineLength = 31999;

// Reads the file into the table, the popup lists and the database settings,
// pumping the window's messages before each line. False, silently, when the
// file can't be opened; false after "Couldnt Read Strategy File" on a read
// error. A token that isn't a whole number throws OperationError
// "'<token>' is not a valid integer value"; what came before it stands.
bool ReadStrategyFile(AppState& state, Ui& ui, const std::string& path);

// Applies one line; lineIndex 0 is the file's first line. Throws like
// ReadStrategyFile on a non-numeric token.
bool ParseStrategyLine(AppState& state, const std::string& line, int lineIndex);

// Writes the current mode's strategy (fieldCount fields). False when the
// file can't be written; nothing else happens then.
bool WriteStrategyFile(const AppState& state, const std::string& path);

// Writes the current mode's built-in default to strategyPath.
bool WriteDefaultStrategy(const AppState& state);

}  // namespace tk
