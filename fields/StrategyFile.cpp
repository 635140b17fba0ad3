#include "fields/StrategyFile.h"

#include "fields/DefaultStrategy.h"
#include "fields/FieldsTexts.h"
#include "platform/Files.h"
#include "platform/Text.h"

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

// A width or type no line gave (a line shorter than the mode's fields) can't
// be 0, which would empty every value and make the file written back
// damaged: it is what the window makes of a width or type it can't use.
void FillUnsetFields(FieldSetup& setup) {
  for (int n = 1; n <= setup.lastField(); ++n) {
    FldDef& field = setup.table[static_cast<std::size_t>(n)];
    if (field.maxWidth == 0) field.maxWidth = kMaxFieldWidth;
    if (field.fldType == 0) field.fldType = kTypeString;
  }
}

// A value a field of the mode may not hold, as the window would refuse it;
// empty when it may.
std::string FieldValueProblem(int lineIndex, const std::string& token, std::int32_t value) {
  if (lineIndex == 3 && (value < kMinFieldWidth || value > kMaxFieldWidth))
    return WidthOutOfRangeText(token, kMinFieldWidth, kMaxFieldWidth);
  if (lineIndex == 5 && !IsKnownType(value)) return UnknownFieldTypeText(token);
  return {};
}

void WriteFieldLine(OutputFile& out, const FieldSetup& setup, std::int32_t FldDef::*member) {
  for (int n = 1; n <= setup.lastField(); ++n) {
    out.write(std::to_string(setup.table[static_cast<std::size_t>(n)].*member) + ",");
  }
  out.endLine();
}

}  // namespace

std::optional<std::string> ParseStrategyLine(FieldSetup& setup, const std::string& line,
                                             int lineIndex) {
  const std::vector<std::string> tokens = Tokens(line);
  if (lineIndex >= 0 && lineIndex <= 2) {
    std::int32_t* setting[] = {&setup.recordViewWidth, &setup.firstColumn, &setup.oldFlags};
    for (const auto& token : tokens) {
      const auto value = ParseWholeNumber(token);
      if (!value) return NotAnIntegerText(token);
      *setting[lineIndex] = *value;
    }
  } else if (lineIndex >= 3 && lineIndex <= 6) {
    for (std::size_t k = 0; k < tokens.size(); ++k) {
      const auto value = ParseWholeNumber(tokens[k]);
      if (!value) return NotAnIntegerText(tokens[k]);
      // Values past the mode's fields (older files carry some) are never used.
      if (static_cast<int>(k) < setup.fieldCount) {
        if (std::string problem = FieldValueProblem(lineIndex, tokens[k], *value); !problem.empty())
          return problem;
      }
      // Lists longer than the table: the excess is checked but has no place.
      if (k + 1 < kFieldTableSize) SetFieldValue(setup.table[k + 1], lineIndex, *value);
    }
  } else if (lineIndex >= 7 && lineIndex < kStrategyMaxLines &&
             static_cast<std::size_t>(lineIndex - 6) < setup.popupLists.size()) {
    auto& words = setup.popupLists[static_cast<std::size_t>(lineIndex - 6)];
    for (std::size_t k = 1; k < tokens.size() && k <= kMaxPopupWords; ++k) {
      words.push_back(tokens[k]);
    }
  }
  return std::nullopt;
}

std::string StrategyProblemMessage(const StrategyReadResult& read, const std::string& path) {
  const std::string problem = read.status == StrategyRead::Empty
                                  ? std::string(kStrategyFileEmpty)
                                  : NotRegularFileText(FileKindText(read.kind));
  return StrategyNotUsableText(path, problem);
}

StrategyReadResult ReadStrategyFile(FieldSetup& setup, Ui& ui, const std::string& path) {
  // Asked before opening, since a folder can't be opened at all, and again
  // after, in case the name was given to something else in between.
  if (const FileKind kind = KindOfFile(path); kind != FileKind::Regular) {
    if (kind == FileKind::Missing) return {StrategyRead::NotOpened, {}};
    return {StrategyRead::NotRegular, {}, kind};
  }
  InputFile in;
  if (!in.open(path)) return {StrategyRead::NotOpened, {}};
  if (in.kind() != FileKind::Regular) return {StrategyRead::NotRegular, {}, in.kind()};
  StrategyLineReader reader(in);
  std::string line;
  bool anyText = false;
  for (int index = 0; index < kStrategyMaxLines; ++index) {
    ui.processMessages();
    if (!reader.next(line)) {
      if (in.failed()) return {StrategyRead::ReadError, {}};
      break;
    }
    anyText = anyText || line.find_first_not_of(" \t") != std::string::npos;
    if (auto bad = ParseStrategyLine(setup, line, index)) return {StrategyRead::NotANumber, *bad};
  }
  if (!anyText) return {StrategyRead::Empty, {}};
  FillUnsetFields(setup);
  return {StrategyRead::Read, {}};
}

bool WriteStrategyFile(const FieldSetup& setup, const std::string& path) {
  OutputFile out;
  if (!out.open(path, LinkAtTarget::WriteThrough)) return false;
  out.writeLine(std::to_string(setup.recordViewWidth));
  out.writeLine(std::to_string(setup.firstColumn));
  out.writeLine(std::to_string(setup.oldFlags));
  WriteFieldLine(out, setup, &FldDef::maxWidth);
  for (int n = 1; n <= setup.lastField(); ++n) {
    out.write(setup.table[static_cast<std::size_t>(n)].selected ? "1," : "0,");
  }
  out.endLine();
  WriteFieldLine(out, setup, &FldDef::fldType);
  WriteFieldLine(out, setup, &FldDef::colWidth);
  for (int n = 1; n <= setup.lastField(); ++n) {
    const auto& words = setup.popupLists[static_cast<std::size_t>(n)];
    // A list of more than the most words a list holds was not made here; it
    // keeps the most a written list keeps.
    const std::size_t count = words.size() <= kMaxPopupWords ? words.size() : kMaxPopupWordsWritten;
    out.write("fld" + std::to_string(n));
    for (std::size_t k = 0; k < count; ++k) out.write("," + CleanWord(words[k]));
    out.endLine();
  }
  return out.commit();
}

bool WriteDefaultStrategy(const FieldSetup& setup) {
  const auto lines = DefaultStrategyLines(setup.mode);
  return !lines.empty() && WriteTextLines(setup.strategyPath, lines, LinkAtTarget::WriteThrough);
}

}  // namespace tk
