#include "jconv5/pdb/Ifo.h"

#include "jconv5/pdb/Failure.h"
#include "jconv5/pdb/Limits.h"

#include <charconv>
#include <limits>

namespace jconv5 {

namespace {

constexpr std::size_t kSettingLines = 9;
constexpr std::string_view kSectionWord = "popup";

std::string Place(std::size_t line) { return "IFO line " + std::to_string(line) + ": "; }

// Lines as written: CR LF, LF or a lone CR end one; no line end after the
// last line, so a final empty line is a real (empty) line.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  lines.push_back(text.substr(start));
  return lines;
}

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// Whole numbers separated by blanks, each within [low, high].
std::vector<std::int64_t> Numbers(std::string_view line, std::size_t lineNumber, std::int64_t low,
                                  std::int64_t high) {
  std::vector<std::int64_t> numbers;
  std::size_t at = 0;
  while (at < line.size()) {
    if (line[at] == ' ' || line[at] == '\t') {
      ++at;
      continue;
    }
    std::size_t end = line.find_first_of(" \t", at);
    if (end == std::string_view::npos) end = line.size();
    std::string_view word = line.substr(at, end - at);
    std::int64_t value = 0;
    auto [stop, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || stop != word.data() + word.size())
      throw Failure(Place(lineNumber) + "\"" + std::string(word) + "\" is not a whole number");
    if (value < low || value > high)
      throw Failure(Place(lineNumber) + std::string(word) + " is outside the range " +
                    std::to_string(low) + " to " + std::to_string(high));
    numbers.push_back(value);
    at = end;
  }
  return numbers;
}

std::int64_t OneNumber(std::string_view line, std::size_t lineNumber, std::int64_t low,
                       std::int64_t high) {
  std::vector<std::int64_t> numbers = Numbers(line, lineNumber, low, high);
  if (numbers.size() != 1)
    throw Failure(Place(lineNumber) + "one whole number expected, found " +
                  std::to_string(numbers.size()));
  return numbers[0];
}

template <typename T>
std::vector<T> Narrowed(const std::vector<std::int64_t>& numbers) {
  std::vector<T> out;
  out.reserve(numbers.size());
  for (std::int64_t n : numbers) out.push_back(static_cast<T>(n));
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string HexBytes(std::string_view line, std::size_t lineNumber) {
  line = Trimmed(line);
  if (line.size() % 2 != 0)
    throw Failure(Place(lineNumber) + "the hexadecimal text has an odd number of digits");
  std::string bytes;
  for (std::size_t i = 0; i < line.size(); i += 2) {
    int high = HexDigit(line[i]);
    int low = HexDigit(line[i + 1]);
    if (high < 0 || low < 0)
      throw Failure(Place(lineNumber) + "\"" + std::string(line.substr(i, 2)) +
                    "\" is not hexadecimal");
    bytes.push_back(static_cast<char>(high * 16 + low));
  }
  return bytes;
}

void ReadSettings(const std::vector<std::string_view>& lines, IfoDescription& ifo) {
  if (lines.size() < kSettingLines)
    throw Failure("IFO file: it has " + std::to_string(lines.size()) +
                  " lines; a description takes at least 9");
  if (Trimmed(lines[0]) != "JFile5")
    throw Failure(Place(1) + "\"JFile5\" expected; this is not a JFile description");
  constexpr std::int64_t kU16 = std::numeric_limits<std::uint16_t>::max();
  constexpr std::int64_t kS16Low = std::numeric_limits<std::int16_t>::min();
  constexpr std::int64_t kS16High = std::numeric_limits<std::int16_t>::max();
  constexpr std::int64_t kS32Low = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kU32 = std::numeric_limits<std::uint32_t>::max();
  ifo.types = Narrowed<std::uint16_t>(Numbers(lines[1], 2, 0, kU16));
  ifo.columnWidths = Narrowed<std::int16_t>(Numbers(lines[2], 3, kS16Low, kS16High));
  ifo.recordViewWidth = static_cast<std::int16_t>(OneNumber(lines[3], 4, kS16Low, kS16High));
  ifo.firstColumn = static_cast<std::uint16_t>(OneNumber(lines[4], 5, 0, kU16));
  ifo.oldFlags = static_cast<std::uint16_t>(OneNumber(lines[5], 6, 0, kU16));
  ifo.extraData = Narrowed<std::uint32_t>(Numbers(lines[6], 7, kS32Low, kU32));
  ifo.extraData2 = Narrowed<std::uint32_t>(Numbers(lines[7], 8, kS32Low, kU32));
  ifo.trailer = HexBytes(lines[8], 9);

  const std::size_t columns = ifo.types.size();
  if (columns == 0) throw Failure(Place(2) + "no field types: the description names no columns");
  auto requireColumns = [columns](std::size_t count, std::size_t line, const char* what) {
    if (count != columns)
      throw Failure(Place(line) + std::to_string(count) + " " + what + " for the " +
                    std::to_string(columns) + " columns that line 2 gives field types for");
  };
  requireColumns(ifo.columnWidths.size(), 3, "column widths");
  requireColumns(ifo.extraData.size(), 7, "extra-data numbers");
  requireColumns(ifo.extraData2.size(), 8, "extra-data numbers");
}

// "popup" and one letter; 0 when the line is no section header.
int SectionColumn(std::string_view line) {
  if (line.size() != kSectionWord.size() + 1 || line.substr(0, kSectionWord.size()) != kSectionWord)
    return 0;
  return IfoLetterColumn(line.back());
}

void ReadSections(const std::vector<std::string_view>& lines, IfoDescription& ifo) {
  const std::size_t columns = ifo.types.size();
  PopupList* current = nullptr;
  for (std::size_t i = kSettingLines; i < lines.size(); ++i) {
    const std::size_t lineNumber = i + 1;
    std::string_view line = lines[i];
    if (line.find('\0') != std::string_view::npos)
      throw Failure(Place(lineNumber) + "the line holds a zero byte, which JFile can't store");
    if (int column = SectionColumn(line); column > 0) {
      if (static_cast<std::size_t>(column) > columns)
        throw Failure(Place(lineNumber) + "section " + std::string(line) + " is for column " +
                      std::to_string(column) + ", but the description has " +
                      std::to_string(columns) + " columns");
      for (const PopupList& list : ifo.popups)
        if (list.column == column)
          throw Failure(Place(lineNumber) + "section " + std::string(line) +
                        " appears a second time");
      ifo.popups.push_back(PopupList{column, {}});
      current = &ifo.popups.back();
    } else if (current) {
      current->items.emplace_back(line);
    } else if (!Trimmed(line).empty()) {
      throw Failure(
          Place(lineNumber) + "\"" + std::string(line.substr(0, 40)) +
          "\" is outside any popup section (a section starts with a line such as popupa)");
    }
  }
}

}  // namespace

int IfoLetterColumn(char letter) {
  if (letter >= 'a' && letter <= 'z') return letter - 'a' + 1;
  if (letter >= 'B' && letter <= static_cast<char>(39 + kMaxFields)) return letter - 39;
  return 0;
}

IfoDescription ReadIfo(std::string_view text) {
  std::vector<std::string_view> lines = SplitLines(text);
  IfoDescription ifo;
  ReadSettings(lines, ifo);
  ReadSections(lines, ifo);
  return ifo;
}

}  // namespace jconv5
