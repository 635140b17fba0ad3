#include "export/CsvLine.h"

#include <algorithm>

namespace tk {
namespace {

bool IsBlankLike(char c) {
  auto u = static_cast<unsigned char>(c);
  return u >= 1 && u <= 32;
}

std::size_t SkipBlankLike(std::string_view line, std::size_t pos) {
  return static_cast<std::size_t>(std::find_if_not(line.begin() + pos, line.end(), IsBlankLike) -
                                  line.begin());
}

// A quoted item from the opening quote at pos; returns the position after it.
std::size_t ReadQuotedItem(std::string_view line, std::size_t pos, std::string& item) {
  ++pos;
  while (pos < line.size()) {
    if (line[pos] != '"') {
      item += line[pos++];
    } else if (line.substr(pos, 2) == "\"\"") {
      item += '"';
      pos += 2;
    } else {
      return pos + 1;
    }
  }
  // No closing quote: the item runs to the end of the line less its last
  // character, which is where the closing quote was expected.
  if (!item.empty()) item.pop_back();
  return pos;
}

std::size_t ReadPlainItem(std::string_view line, std::size_t pos, std::string& item) {
  const auto end = std::find_if(line.begin() + pos, line.end(),
                                [](char c) { return c == ',' || IsBlankLike(c); });
  item.assign(line.begin() + pos, end);
  return static_cast<std::size_t>(end - line.begin());
}

}  // namespace

void ParseCommaText(std::string_view line, std::vector<std::string>& items) {
  items.clear();
  std::size_t pos = SkipBlankLike(line, 0);
  while (pos < line.size()) {
    std::string item;
    pos = line[pos] == '"' ? ReadQuotedItem(line, pos, item) : ReadPlainItem(line, pos, item);
    items.push_back(std::move(item));
    pos = SkipBlankLike(line, pos);
    if (pos < line.size() && line[pos] == ',') pos = SkipBlankLike(line, pos + 1);
  }
}

void ParseDataLine(std::string line, std::vector<std::string>& items) {
  std::replace(line.begin(), line.end(), '\t', ' ');
  ParseCommaText(line, items);
}

CsvLineReader::Result CsvLineReader::next(std::string& line) {
  line.clear();
  int c = pending_ != -2 ? pending_ : in_.get();
  pending_ = -2;
  if (c < 0) return in_.failed() ? Result::ReadError : Result::End;
  for (; c >= 0; c = in_.get()) {
    if (line.size() >= maxLength_) return Result::TooLong;
    line += static_cast<char>(c);
    if (c == '\n') break;
  }
  if (line.size() >= maxLength_) return Result::TooLong;
  return in_.failed() ? Result::ReadError : Result::Line;
}

bool CsvLineReader::moreData() {
  if (pending_ == -2) pending_ = in_.get();
  return pending_ >= 0;
}

}  // namespace tk
