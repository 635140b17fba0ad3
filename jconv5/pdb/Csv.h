#pragma once
// The comma-separated dialect exchanged with Tomekit: every item in double
// quotes with inner quotes doubled, an empty value as one blank, a line break
// inside a value as the byte 0x85, one line per record. Values in a set with
// two-byte characters use 0xFF instead, which no character of theirs holds.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace jconv5 {

inline constexpr char kCsvLineBreak = static_cast<char>(0x85);

struct CsvLine {
  std::size_t lineNumber = 0;  // 1-based, the header being line 1
  std::vector<std::string> values;
};

struct CsvTable {
  std::vector<std::string> header;
  std::vector<CsvLine> records;
};

// Values come back decoded: a value of exactly one blank is empty and 0x85 is
// a line break (0x0A); header items are taken as they stand. CR LF, LF or a
// lone CR ends a line; a line may carry fewer items than the header, and a
// comma at its end adds no item. Blanks around quoted items are skipped;
// an unquoted item runs to the next comma. Every line after the header is a
// record, an empty one included. Throws Failure naming the line and item for
// a missing closing quote or text after one, and for an empty file.
CsvTable ReadCsv(std::string_view text, char lineBreak = kCsvLineBreak);

// Appends one line, encoded as the dialect says, ended by CR LF (0x0D inside
// a value is dropped).
void WriteCsvLine(const std::vector<std::string>& values, std::string& out,
                  char lineBreak = kCsvLineBreak);

}  // namespace jconv5
