#include "import/RisReader.h"

#include "fields/FieldOps.h"
#include "fields/FieldTable.h"
#include "import/ByteRuns.h"
#include "import/CsvWriter.h"
#include "import/ValueBuffer.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace tk {
namespace {

struct RisTag {
  std::string_view tag;
  int field;
};

constexpr std::array<RisTag, 45> kRefManTagTable{{
    {"TY  - ", 1},  {"ID  - ", 2},  {"T1  - ", 3},  {"CT  - ", 3},  {"A1  - ", 4},
    {"AU  - ", 4},  {"Y1  - ", 5},  {"PY  - ", 5},  {"N1  - ", 6},  {"AB  - ", 6},
    {"KW  - ", 7},  {"RP  - ", 8},  {"SP  - ", 9},  {"EP  - ", 10}, {"JF  - ", 11},
    {"JO  - ", 11}, {"JA  - ", 11}, {"J1  - ", 11}, {"J2  - ", 11}, {"VL  - ", 12},
    {"T2  - ", 13}, {"BT  - ", 13}, {"A2  - ", 14}, {"ED  - ", 14}, {"IS  - ", 15},
    {"CP  - ", 15}, {"CY  - ", 16}, {"PB  - ", 17}, {"U1  - ", 18}, {"U2  - ", 19},
    {"U3  - ", 20}, {"U4  - ", 21}, {"U5  - ", 22}, {"T3  - ", 23}, {"A3  - ", 24},
    {"N2  - ", 25}, {"SN  - ", 26}, {"AV  - ", 27}, {"Y2  - ", 28}, {"M1  - ", 29},
    {"M2  - ", 30}, {"M3  - ", 31}, {"AD  - ", 32}, {"UR  - ", 33}, {"ER  - ", kRisRecordEnd},
}};

constexpr std::size_t kTagLength = 6;
static_assert([] {
  for (const RisTag& entry : kRefManTagTable) {
    if (entry.tag.size() != kTagLength || entry.tag.substr(2) != "  - ") return false;
  }
  return true;
}());
constexpr int kRecordType = 1;
constexpr int kAuthors = 4;
constexpr int kKeywords = 7;

constexpr StopBytes kLineEnds = MakeStopBytes({'\r', '\n'});
bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }
bool IsLetterOrDigit(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// Two letters or digits, one or two blanks, a hyphen: the start of a tag
// line, whether or not the tag is one of ours.
bool LooksLikeTag(std::string_view head) {
  if (head.size() < 4 || !IsLetterOrDigit(head[0]) || !IsLetterOrDigit(head[1]) || head[2] != ' ') {
    return false;
  }
  return head[3] == '-' || (head.size() >= 5 && head[3] == ' ' && head[4] == '-');
}

// One record's values by field number; of a selected value its first
// maxWidth bytes are kept, of the others nothing.
class RisRecord {
public:
  explicit RisRecord(const AppState& state)
      : fieldCount_(std::max(std::min(state.fieldCount, kMaxFieldCount), 0)) {
    values_.reserve(static_cast<std::size_t>(fieldCount_) + 1);
    values_.emplace_back();
    for (int n = 1; n <= fieldCount_; ++n) {
      values_.emplace_back(
          FldTable[n].selected ? static_cast<std::size_t>(std::max(FldTable[n].maxWidth, 0)) : 0);
    }
  }
  int fieldCount() const { return fieldCount_; }
  void clear() {
    for (auto& v : values_) v.clear();
  }
  ValueBuffer& value(int n) { return values_[n]; }
  const ValueBuffer& value(int n) const { return values_[n]; }

private:
  int fieldCount_;
  std::vector<ValueBuffer> values_;
};

// Writes value with every quote doubled, cut to maxWidth bytes of the
// doubled text; a pair that would not fit whole is left out.
void WriteDoubled(OutputFile& out, std::string_view value, std::size_t maxWidth) {
  std::size_t room = maxWidth;
  while (!value.empty() && room > 0) {
    std::size_t plain = std::min(std::min(value.find('"'), value.size()), room);
    out.write(value.substr(0, plain));
    room -= plain;
    value.remove_prefix(plain);
    if (value.empty() || room < 2) break;
    out.write("\"\"");
    room -= 2;
    value.remove_prefix(1);
  }
}

class RisReader {
public:
  RisReader(AppState& state, Ui& ui, OutputFile& out)
      : state_(state),
        ui_(ui),
        out_(out),
        record_(state),
        selectedCount_(CountSelectedFields(state)) {}

  int run(InputFile& in);

private:
  enum class Line { Head, Value, Continuation, Ignored };

  void take(char c);
  void feed(char c);
  void endLine();
  void decideTagLine();
  void decideShortLine();
  void startContinuation();
  void continueWith(char c);
  void startRecord();
  void writeRecord();
  bool isField(int n) const { return n >= 1 && n <= record_.fieldCount(); }

  AppState& state_;
  Ui& ui_;
  OutputFile& out_;
  RisRecord record_;
  int selectedCount_;
  int records_ = 0;
  bool inRecord_ = false;
  int lastField_ = 0;  // the field continuation lines go to; 0 = none

  Line line_ = Line::Head;
  std::array<char, kTagLength> head_{};
  std::size_t headLength_ = 0;
  ValueBuffer* target_ = nullptr;  // where the current line's value goes
  bool started_ = false;           // a continuation's first non-blank byte was seen
  std::string blanks_;             // blanks held back until more text follows
  bool afterCr_ = false;           // a LF right after a CR ends no second line
};

int RisReader::run(InputFile& in) {
  MessagePump pump(ui_);
  const StopScanner scanner(kLineEnds);
  static constexpr unsigned char kBom[] = {0xEF, 0xBB, 0xBF};
  // A UTF-8 byte-order mark before the first tag is not part of it.
  std::size_t bomMatched = 0;
  int c = in.get();
  while (c >= 0 && bomMatched < 3 && c == kBom[bomMatched]) {
    ++bomMatched;
    c = in.get();
  }
  if (bomMatched < 3) {
    for (std::size_t i = 0; i < bomMatched; ++i) feed(static_cast<char>(kBom[i]));
  }
  if (c >= 0) take(static_cast<char>(c));
  ScanRuns(
      in, pump, scanner,
      [&](std::string_view run) {
        // A line's head and a continuation go byte by byte; the rest of a
        // tag line is its value, or nothing.
        while (!run.empty() && (line_ == Line::Head || line_ == Line::Continuation)) {
          take(run.front());
          run.remove_prefix(1);
        }
        if (line_ == Line::Value) target_->append(run.data(), run.size());
        afterCr_ = false;
      },
      [&](char lineEnd) {
        take(lineEnd);
        return true;
      });
  if (in.failed()) {
    ui_.showMessage(MessageKind::Error, "Couldnt read csv file");
  } else {
    endLine();
    // A last record without its end line is still a reference.
    if (inRecord_) writeRecord();
  }
  pump.pumpNow();
  return records_;
}

// CR LF, LF and a lone CR all end a line.
void RisReader::take(char c) {
  if (c == '\r' || (c == '\n' && !afterCr_)) {
    endLine();
  } else if (c != '\n') {
    feed(c);
  }
  afterCr_ = c == '\r';
}

void RisReader::feed(char c) {
  switch (line_) {
    case Line::Head:
      head_[headLength_++] = c;
      if (headLength_ == kTagLength) decideTagLine();
      break;
    case Line::Value:
      target_->push(c);
      break;
    case Line::Continuation:
      continueWith(c);
      break;
    case Line::Ignored:
      break;
  }
}

void RisReader::endLine() {
  if (line_ == Line::Head && headLength_ > 0) decideShortLine();
  line_ = Line::Head;
  headLength_ = 0;
}

void RisReader::decideTagLine() {
  std::string_view head(head_.data(), kTagLength);
  std::string_view tag, value;
  int n = LookupRisTag(head, tag, value);
  line_ = Line::Ignored;
  if (n == kRecordType) {
    // A new record inside an open one: the open one ends first.
    if (inRecord_) writeRecord();
    startRecord();
  } else if (!inRecord_) {
    return;
  } else if (n == kRisRecordEnd) {
    writeRecord();
    inRecord_ = false;
    return;
  } else if (n == 0) {
    if (LooksLikeTag(head)) {
      lastField_ = 0;
    } else {
      startContinuation();
    }
    return;
  } else if (!isField(n)) {
    return;
  } else if (n == kAuthors || n == kKeywords) {
    if (!record_.value(n).empty()) record_.value(n).push(';');
  } else {
    record_.value(n).clear();
  }
  lastField_ = n;
  target_ = &record_.value(n);
  line_ = Line::Value;
}

void RisReader::decideShortLine() {
  if (!inRecord_) return;
  std::string_view line(head_.data(), headLength_);
  if (line == "ER  -") {
    writeRecord();
    inRecord_ = false;
  } else if (LooksLikeTag(line)) {
    lastField_ = 0;
  } else {
    startContinuation();
  }
}

// A line that is no tag line continues the last tag line's value: trimmed
// of blanks and tabs at both ends and joined to it with one blank.
void RisReader::startContinuation() {
  line_ = lastField_ && isField(lastField_) ? Line::Continuation : Line::Ignored;
  started_ = false;
  blanks_.clear();
  for (std::size_t i = 0; i < headLength_; ++i) feed(head_[i]);
}

void RisReader::continueWith(char c) {
  ValueBuffer& value = record_.value(lastField_);
  if (IsBlankOrTab(c)) {
    // Blanks beyond what the value can still keep change nothing.
    std::size_t room = value.limit() - value.kept().size();
    if (started_ && blanks_.size() < room) blanks_.push_back(c);
    return;
  }
  if (!started_) {
    started_ = true;
    value.push(' ');
  }
  for (char blank : blanks_) value.push(blank);
  blanks_.clear();
  value.push(c);
}

void RisReader::startRecord() {
  inRecord_ = true;
  record_.clear();
  lastField_ = kRecordType;
  target_ = &record_.value(kRecordType);
  line_ = Line::Value;
}

void RisReader::writeRecord() {
  bool cut = false;
  int written = 0;
  for (int n = 1; n <= record_.fieldCount(); ++n) {
    if (!FldTable[n].selected) continue;
    const ValueBuffer& held = record_.value(n);
    std::size_t maxWidth = held.limit();
    std::string_view value = held.kept();
    if (held.length() > maxWidth) cut = true;
    out_.put('"');
    WriteDoubled(out_, value, maxWidth);
    out_.put('"');
    if (++written < selectedCount_) out_.put(',');
  }
  out_.endLine();
  if (cut) ++state_.truncatedCount;
  ++records_;
  ui_.setRecordCounter(records_);
}

}  // namespace

int LookupRisTag(std::string_view line, std::string_view& tag, std::string_view& value) {
  tag = line.substr(0, std::min(line.size(), kTagLength));
  value = line.size() > kTagLength ? line.substr(kTagLength) : std::string_view();
  // Every tag of the table is two characters and "  - ".
  if (tag.size() != kTagLength || tag.substr(2) != "  - ") return 0;
  for (const RisTag& entry : kRefManTagTable) {
    if (entry.tag[0] == tag[0] && entry.tag[1] == tag[1]) return entry.field;
  }
  return 0;
}

int ConvertRefManExport(AppState& state, Ui& ui) {
  OutputFile out;
  if (!OpenImportOutput(out, state.csvPath, ui)) return 0;
  RisReader reader(state, ui, out);
  WriteCsvHeader(out, state);
  InputFile in;
  int records = 0;
  if (in.open(state.inputPath)) {
    records = reader.run(in);
  } else {
    ui.showMessage(MessageKind::Error, "Couldnt Open input .csv file");
  }
  return CommitImportOutput(out, state.csvPath, ui) ? records : 0;
}

}  // namespace tk
