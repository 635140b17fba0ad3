#include "jconv5/pdb/Csv.h"

#include "jconv5/pdb/Failure.h"

namespace jconv5 {

namespace {

bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Place(std::size_t line, std::size_t item) {
  return "CSV line " + std::to_string(line) + ", item " + std::to_string(item) + ": ";
}

// Reads the lines of one CSV text, item by item.
class CsvScanner {
public:
  explicit CsvScanner(std::string_view text) : text_(text) {}

  bool atEnd() const { return at_ >= text_.size(); }
  std::size_t lineNumber() const { return line_; }

  // The items of the next line, raw (quotes removed, doubled quotes undone).
  std::vector<std::string> nextLine() {
    ++line_;
    std::vector<std::string> items;
    skipBlanks();
    while (!atEnd() && !IsLineEnd(text_[at_])) {
      if (text_[at_] == ',') {
        items.emplace_back();  // two commas enclose an empty item
      } else {
        items.push_back(nextItem(items.size() + 1));
        skipBlanks();
        if (atEnd() || text_[at_] != ',') break;
      }
      ++at_;  // the comma
      skipBlanks();
    }
    skipLineEnd();
    return items;
  }

private:
  void skipBlanks() {
    while (!atEnd() && IsBlank(text_[at_])) ++at_;
  }

  void skipLineEnd() {
    if (atEnd()) return;
    if (text_[at_] == '\r') ++at_;
    if (!atEnd() && text_[at_] == '\n') ++at_;
  }

  std::string nextItem(std::size_t item) {
    if (text_[at_] != '"') return unquotedItem();
    std::string value;
    ++at_;
    for (;;) {
      std::size_t quote = at_;
      while (quote < text_.size() && text_[quote] != '"' && !IsLineEnd(text_[quote])) ++quote;
      value.append(text_.substr(at_, quote - at_));
      at_ = quote;
      if (atEnd() || IsLineEnd(text_[at_]))
        throw Failure(Place(line_, item) + "the closing double quote is missing");
      ++at_;
      if (atEnd() || text_[at_] != '"') break;
      value.push_back('"');  // a doubled quote stands for one
      ++at_;
    }
    skipBlanks();
    if (!atEnd() && text_[at_] != ',' && !IsLineEnd(text_[at_]))
      throw Failure(Place(line_, item) + "text follows the closing double quote (" +
                    std::string(1, text_[at_]) +
                    "); a double quote inside a value must be doubled");
    return value;
  }

  std::string unquotedItem() {
    std::size_t end = at_;
    while (end < text_.size() && text_[end] != ',' && !IsLineEnd(text_[end])) ++end;
    std::size_t last = end;
    while (last > at_ && IsBlank(text_[last - 1])) --last;
    std::string value(text_.substr(at_, last - at_));
    at_ = end;
    return value;
  }

  std::string_view text_;
  std::size_t at_ = 0;
  std::size_t line_ = 0;
};

void DecodeValue(std::string& value, char lineBreak) {
  if (value == " ") {
    value.clear();
    return;
  }
  for (char& c : value)
    if (c == lineBreak) c = '\n';
}

}  // namespace

CsvTable ReadCsv(std::string_view text, char lineBreak) {
  CsvScanner scanner(text);
  if (scanner.atEnd()) throw Failure("CSV file: it is empty, without even a header line");
  CsvTable table;
  table.header = scanner.nextLine();
  while (!scanner.atEnd()) {
    CsvLine line;
    line.values = scanner.nextLine();
    line.lineNumber = scanner.lineNumber();
    for (std::string& value : line.values) DecodeValue(value, lineBreak);
    table.records.push_back(std::move(line));
  }
  return table;
}

}  // namespace jconv5
