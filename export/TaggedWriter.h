#pragma once
// The export direction's last stage: the comma-separated text that jconv5
// made from a PDB becomes the file the reference manager imports. EndNote
// gets a "*GENERIC" tab-delimited file (or, when chosen, an "EndNote Export"
// of %-tagged lines), ProCite (both modes) a tab-delimited file without
// header, Reference Manager a RIS file of tag lines.
#include "fields/ProgramModes.h"
#include "platform/Charset.h"
#include "platform/PalmCharset.h"
#include "platform/Ui.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace tk {

// As many records as a JFile database holds, so every one of them comes back.
inline constexpr std::int32_t kMaxExportRecords = 65535;
// A line of the comma-separated text, its line end included, must be shorter.
inline constexpr std::size_t kMaxCsvLineLength = 32000;

// What the records are written as: the mode, its number of fields and the
// character set (UTF-8 starts with a byte-order mark; Auto is Windows-1252),
// from the handheld's set the values are in.
struct TaggedFormat {
  Mode mode = Mode::EndNote;
  int fieldCount = 0;
  Charset charset = Charset::Windows1252;
  // EndNote mode: "%0 Journal Article" lines instead of the tab format.
  bool endNoteTagged = false;
  PalmCharset palm = PalmCharset::Windows1252;
};

// Fields written per record: fieldCount, or all 47 ProCite fields in the
// generic mode.
int ExportFieldCount(const TaggedFormat& format);

enum class TaggedOutcome {
  Written,          // the tagged file holds `records` records
  CsvNotOpened,     // failedFile: the CSV
  OutputNotOpened,  // failedFile: the tagged file
  Abandoned,        // the reading stopped short (see CsvStop); nothing written
  NotSaved,         // the tagged file could not be saved; failedFile: it
  // Not one column of the database is a field of the mode: every record
  // would come out empty. fits: the mode whose fields the columns are.
  WrongMode,
};

// How the reading of the CSV ended.
enum class CsvStop {
  AtEnd,
  AtRecordLimit,  // abandons: more records than kMaxExportRecords, so more
                  // than a database holds; a part must not pass for the whole
  ReadError,      // abandons: a file cut short must not pass for the whole
  LineTooLong,    // abandons
  Stopped,        // the user stopped it; abandons
};

struct [[nodiscard]] TaggedResult {
  TaggedOutcome outcome = TaggedOutcome::Written;
  CsvStop stop = CsvStop::AtEnd;
  std::int32_t records = 0;  // written; 0 unless Written
  std::string failedFile;
  std::string reason;        // for OutputNotOpened: the file and the system's reason
  std::optional<Mode> fits;  // for WrongMode, when some mode's fields match
};

// Reads csvPath and writes taggedPath in the format; the file is replaced
// only when it is written whole. Shows no message: the record counter only.
// Stops when the user asks to.
TaggedResult ConvertCsvToTagged(const TaggedFormat& format, const std::string& csvPath,
                                const std::string& taggedPath, Ui& ui);

}  // namespace tk
