#include "fields/StrategyFile.h"

#include "fields/DefaultStrategy.h"
#include "fields/FieldTable.h"
#include "platform/Files.h"
#include "platform/OperationError.h"

#include <cstddef>
#include <vector>

namespace tk {
namespace {

// Lines as a text-mode reader sees them: CR LF and LF end a line, and a line
// longer than the limit comes in pieces.
class StrategyLineReader {
public:
  explicit StrategyLineReader(InputFile& in) : in_(in) {}

  // False at the end of the file or on a read error.
  bool next(std::string& line) {
    line.clear();
    std::size_t counted = 0;
    while (counted < kStrategyMaxLineLength) {
      int c = get();
      if (c < 0) return !line.empty();
      ++counted;
      if (c == '\n') return true;
      line += static_cast<char>(c);
    }
    return true;
  }

private:
  int get() {
    int c = pending_ >= 0 ? pending_ : in_.get();
    pending_ = -1;
    if (c == '\r') {
      int after = in_.get();
      if (after == '\n') return '\n';
      pending_ = after;
    }
    return c;
  }

  InputFile& in_;
  int pending_ = -1;
};

std::vector<std::string> Tokens(const std::string& line) {
  std::vector<std::string> tokens;
  std::string token;
  for (char c : line) {
    if (c == ',' || c == '\n') {
      if (!token.empty()) tokens.push_back(std::move(token));
      token.clear();
    } else {
      token += c;
    }
  }
  if (!token.empty()) tokens.push_back(std::move(token));
  return tokens;
}

std::int32_t ToInteger(const std::string& token) {
  std::size_t i = 0;
  bool negative = false;
  if (i < token.size() && (token[i] == '+' || token[i] == '-')) negative = token[i++] == '-';
  bool valid = i < token.size();
  std::int64_t n = 0;
  for (; valid && i < token.size(); ++i) {
    valid = token[i] >= '0' && token[i] <= '9';
    n = n * 10 + (token[i] - '0');
    if (n > 2147483648LL) valid = false;
  }
  if (negative) n = -n;
  if (!valid || n > 2147483647LL) {
    throw OperationError("'" + token + "' is not a valid integer value");
  }
  return static_cast<std::int32_t>(n);
}

void SetFieldValue(FldDef& field, int lineIndex, std::int32_t value) {
  switch (lineIndex) {
    case 3:
      field.maxWidth = value;
      break;
    case 4:
      field.selected = value != 0 ? 1 : 0;
      break;
    case 5:
      field.fldType = value;
      break;
    case 6:
      field.colWidth = value;
      break;
    default:
      break;
  }
}

// A word may not carry what separates words and lines in the file.
std::string CleanWord(const std::string& word) {
  std::string out;
  for (char c : word) {
    if (c != '\t' && c != '\n' && c != '\r' && c != ',') out += c;
  }
  return out;
}

void WriteFieldLine(OutputFile& out, int fieldCount, std::int32_t FldDef::*member) {
  for (int n = 1; n <= fieldCount; ++n) out.write(std::to_string(FldTable[n].*member) + ",");
  out.endLine();
}

}  // namespace

bool ParseStrategyLine(AppState& state, const std::string& line, int lineIndex) {
  const std::vector<std::string> tokens = Tokens(line);
  if (lineIndex >= 0 && lineIndex <= 2) {
    std::int32_t* setting[] = {&state.dbSetting1, &state.dbSetting2, &state.dbSetting3};
    for (const auto& token : tokens) *setting[lineIndex] = ToInteger(token);
  } else if (lineIndex >= 3 && lineIndex <= 6) {
    for (std::size_t k = 0; k < tokens.size(); ++k) {
      std::int32_t value = ToInteger(tokens[k]);
      // Lists longer than the table: the excess is checked but has no place.
      if (k + 1 < kFieldTableSize) SetFieldValue(FldTable[k + 1], lineIndex, value);
    }
  } else if (lineIndex >= 7 && lineIndex < kStrategyMaxLines &&
             static_cast<std::size_t>(lineIndex - 6) < state.popupLists.size()) {
    auto& words = state.popupLists[static_cast<std::size_t>(lineIndex - 6)];
    for (std::size_t k = 1; k < tokens.size() && k <= kStrategyMaxWordsRead; ++k) {
      words.push_back(tokens[k]);
    }
  }
  return true;
}

bool ReadStrategyFile(AppState& state, Ui& ui, const std::string& path) {
  InputFile in;
  if (!in.open(path)) return false;
  StrategyLineReader reader(in);
  std::string line;
  for (int index = 0; index < kStrategyMaxLines; ++index) {
    ui.processMessages();
    if (!reader.next(line)) {
      if (in.failed()) {
        ui.showMessage(MessageKind::Error, "Couldnt Read Strategy File");
        return false;
      }
      break;
    }
    ParseStrategyLine(state, line, index);
  }
  return true;
}

bool WriteStrategyFile(const AppState& state, const std::string& path) {
  const int fieldCount = state.fieldCount < kFieldTableSize ? state.fieldCount : kMaxFieldCount;
  OutputFile out;
  if (!out.open(path)) return false;
  out.writeLine(std::to_string(state.dbSetting1));
  out.writeLine(std::to_string(state.dbSetting2));
  out.writeLine(std::to_string(state.dbSetting3));
  WriteFieldLine(out, fieldCount, &FldDef::maxWidth);
  for (int n = 1; n <= fieldCount; ++n) out.write(FldTable[n].selected ? "1," : "0,");
  out.endLine();
  WriteFieldLine(out, fieldCount, &FldDef::fldType);
  WriteFieldLine(out, fieldCount, &FldDef::colWidth);
  for (int n = 1; n <= fieldCount; ++n) {
    const auto& words = state.popupLists[static_cast<std::size_t>(n)];
    // Up to 100 words go out whole; a longer list is cut to 99.
    const std::size_t count = words.size() <= 100 ? words.size() : 99;
    out.write("fld" + std::to_string(n));
    for (std::size_t k = 0; k < count; ++k) out.write("," + CleanWord(words[k]));
    out.endLine();
  }
  return out.commit();
}

bool WriteDefaultStrategy(const AppState& state) {
  const auto lines = DefaultStrategyLines(state.convMode);
  if (lines.empty()) return false;
  return WriteTextLines(state.strategyPath, lines);
}

}  // namespace tk
