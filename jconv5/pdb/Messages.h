#pragma once
// The texts jconv5 writes to jconv5.err when a conversion fails: the log's
// frame, and every refusal of input beyond what JFile or a Palm database can
// hold, the limit always taken from the constant that enforces it. A text
// that names a place in a damaged file stays at the check that finds it.
// Unlike Tomekit's, none of these is kept from an older program: each may be
// reworded, as long as it still names the file, the place and the limit.
#include "jconv5/pdb/Limits.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace jconv5 {

inline std::string Count(std::size_t n) { return std::to_string(n); }

// 65535 as "65,535", for counts a reader meets in the Palm documentation.
inline std::string GroupedCount(std::size_t n) {
  std::string digits = Count(n);
  for (std::size_t at = digits.size(); at > 3; at -= 3) digits.insert(at - 3, ",");
  return digits;
}

// ---------------------------------------------------------------- the log

inline constexpr char kNotBuiltLine[] = "jconv5 could not build the JFile database.";
inline constexpr char kNotExtractedLine[] =
    "jconv5 could not turn the JFile database into a CSV file.";
inline constexpr char kNoMemory[] = "there is not enough memory for the conversion";

inline std::string ProblemLine(std::string_view sentence) {
  return "Problem: " + std::string(sentence);
}
inline std::string NothingWrittenLine(std::string_view output) {
  return "Nothing was written to " + std::string(output) + ".";
}
inline std::string LogNotWrittenText(std::string_view reason) {
  return "The log jconv5.err could not be written either: " + std::string(reason);
}

// ------------------------------------------------------- what JFile holds

inline std::string TooManyColumnsText(std::size_t columns) {
  return "CSV line 1: the header names " + Count(columns) +
         " columns; a JFile database has at most " + Count(kMaxFields);
}
inline std::string ColumnCountText(std::size_t columns) {
  return Count(columns) + " columns: a JFile database has 1 to " + Count(kMaxFields);
}
inline std::string ClaimedFieldsText(std::size_t fields) {
  return "the database is damaged: it claims " + Count(fields) + " fields, JFile has 1 to " +
         Count(kMaxFields);
}
inline std::string TooManyRecordsText(std::size_t records) {
  return "CSV file: it holds " + Count(records) + " records; a JFile database holds at most " +
         Count(kMaxRecords);
}
// `place` names the CSV line, record and column.
inline std::string ValueTooLongText(std::string_view place, std::size_t bytes) {
  return std::string(place) + ": the value is " + Count(bytes) +
         " bytes long; JFile takes at most " + Count(kMaxValueBytes);
}
inline std::string RecordTooLongText(std::string_view place, std::size_t bytes) {
  return std::string(place) + ": the record takes " + Count(bytes) +
         " bytes; a JFile record holds at most " + Count(kMaxRecordBytes);
}
inline std::string AppInfoTooLongText(std::size_t bytes) {
  return "IFO file: its popup lists take " + Count(bytes) +
         " bytes with the field settings; a JFile database keeps at most " +
         Count(kMaxAppInfoBytes);
}
inline std::string AppInfoTooShortText(std::size_t bytes, std::size_t fixedSize) {
  return "the database is damaged or not a JFile database: its application info block has " +
         Count(bytes) + " bytes, JFile's takes at least " + Count(fixedSize);
}
inline std::string NoAppInfoMarkerText(unsigned marker, std::size_t at) {
  return "the application info block does not carry JFile's marker (" + Count(marker) +
         " at byte " + Count(at) + ")";
}

// ------------------------------------------------ what a Palm database holds

inline std::string PalmTooManyRecordsText(std::size_t records, std::size_t most) {
  return Count(records) + " records are more than a Palm database can hold (" + GroupedCount(most) +
         ")";
}

}  // namespace jconv5
