#pragma once
// Strategy files ("stratEN.jfp" and siblings): per mode, the database
// settings, the field table and the popup words, one record per line.
//
//   lines 1-3   recordViewWidth, firstColumn, oldFlags
//   lines 4-7   maxWidth, selected, fldType, colWidth of fields 1..fieldCount,
//               each value followed by a comma
//   line 7+n    "fld<n>" then ",word" for each popup word of field n
#include "fields/FieldSetup.h"
#include "platform/Files.h"
#include "platform/Ui.h"

#include <optional>
#include <string>

namespace tk {

// Most lines read: the seven value lines and a popup line for each of the
// 47 fields of the largest mode.
inline constexpr int kStrategyMaxLines = 7 + kMaxFieldCount;
// A longer line (line end included) is read as several lines.
inline constexpr int kStrategyMaxLineLength = 31999;

enum class StrategyRead {
  Read,
  NotOpened,   // missing or unreadable: nothing was read
  ReadError,   // failed part-way
  NotANumber,  // a value that isn't a whole number, or a width or field type
               // the window would refuse; what came before stands
  NotRegular,  // a folder, FIFO or device: never opened in a way that waits
  Empty,       // nothing but blank lines: no field would ever be chosen
};

struct [[nodiscard]] StrategyReadResult {
  StrategyRead status = StrategyRead::Read;
  std::string problem;                // for NotANumber: the message naming the value
  FileKind kind = FileKind::Regular;  // for NotRegular
};

// For NotRegular and Empty: "Couldnt Read Strategy File", then a line that
// names the file, says what is wrong and that the mode's default is used.
std::string StrategyProblemMessage(const StrategyReadResult& read, const std::string& path);

// Reads the file into the table, the popup lists and the database settings,
// pumping the window's messages before each line.
StrategyReadResult ReadStrategyFile(FieldSetup& setup, Ui& ui, const std::string& path);

// Applies one line; lineIndex 0 is the file's first line. What damages the
// line, if anything, as the message that names the value: a token that is
// not a whole number, or for a field of the mode a width or type the window
// would never have written. The values before it are applied.
[[nodiscard]] std::optional<std::string> ParseStrategyLine(FieldSetup& setup,
                                                           const std::string& line, int lineIndex);

// Writes the setup's strategy (fieldCount fields); false when the file
// can't be written, and then the old file stays whole.
[[nodiscard]] bool WriteStrategyFile(const FieldSetup& setup, const std::string& path);

// Writes the mode's built-in default to strategyPath.
[[nodiscard]] bool WriteDefaultStrategy(const FieldSetup& setup);

}  // namespace tk
