#pragma once
// The texts of an import: what its results say in message boxes and on the
// status bar, one function per result, and the lines the readers add to the
// log.
//
// Kept byte for byte, as the program has always shown them: "Couldnt open
// output CSV File", "Couldnt read csv file" (said of any export), "Failure creating .IFO file "
// and "No fields selected \nPlease select a field and try again " with their
// trailing blanks, "Unable to build .IFO file", "Error Converting EndNote
// file" and "Endnote file record count was " in every mode, and "%d Records
// Transferred to  JFile" with two blanks. The counts after the last are ours.
#include "converter/Notice.h"

#include <string>
#include <string_view>
#include <vector>

namespace tk {

struct ReadResult;
struct IfoResult;

inline constexpr char kNotConvertedToCsv[] = "Error Converting EndNote file";

// Why a file holds nothing the mode can convert, for the line after
// kNotConvertedToCsv.
enum class Refusal {
  None,
  Empty,
  NotText,
  RisExport,      // outside Reference Manager mode
  EndNoteTagged,  // outside EndNote mode
  EndNoteTab,     // in Reference Manager mode
  HeaderRow,      // a tab file opening with field names
  NoRecordEnds,   // EndNote mode: text without a single record end
  NoRisRecord,    // Reference Manager mode: no "TY  - " line
};

// kNotConvertedToCsv, then a line naming the file and why; the first alone
// for Refusal::None.
std::string RefusalText(std::string_view file, Refusal why);

// The reader's error boxes, in the order it met the problems; an input that
// can't be opened is told with the mode's own text (ModeInfo). file: the
// export chosen, named where the text needs it.
std::vector<Notice> ReadNotices(const ReadResult& result, std::string_view inputNotOpened,
                                std::string_view file = {});

// A file of more records than a database holds, refused whole.
inline std::string TooManyRecordsText(std::string_view file, int most) {
  return std::string(file) + " holds more than " + std::to_string(most) +
         " records, the most a JFile database holds, so nothing was converted. Export it in "
         "smaller parts.";
}

// None for a description written; otherwise why, then the summary box.
std::vector<Notice> IfoNotices(const IfoResult& result);

// The status bar's line for a file that converted, with the records that
// lost something counted after the count that goes to the log.
std::string TransferredText(int records);
std::string ImportStatusText(const ReadResult& result);

// ------------------------------------------------------------ log lines

inline constexpr char kImportHeading[] = "EndNote to JFile";

inline std::string RecordCountLine(int records) {
  return "Endnote file record count was " + std::to_string(records);
}
inline std::string PipeCopyLine(std::string_view copy) {
  return "Read once from a pipe into " + std::string(copy);
}
inline std::string TruncatedLine(int record) {
  return "Truncated field(s) in Record " + std::to_string(record);
}
inline std::string CharactersReplacedLine(int record) {
  return "Characters replaced in Record " + std::to_string(record);
}
// `tags` lists the record's replaced tags, joined by ", ".
inline std::string ValuesReplacedLine(int record, std::string_view tags) {
  return "Values replaced in Record " + std::to_string(record) + ": " + std::string(tags);
}
inline constexpr char kTagsWithoutFieldLead[] = "Tags without a field: ";
// Lines whose value a better tag of the same field kept out ("DA  - 2021/03/15"
// beside "PY  - 2021"), or a repeat of a tag that keeps its first value.
inline constexpr char kValuesLeftOutLead[] = "Values left out for a better tag: ";

}  // namespace tk
