#include "import/RisReader.h"

#include "fields/RisTags.h"
#include "import/ByteRuns.h"
#include "import/CsvWriter.h"
#include "import/FieldValues.h"
#include "platform/Charset.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace tk {
namespace {

constexpr StopBytes kLineEnds = MakeStopBytes({'\r', '\n'});
constexpr StopBytes kLineEndsAndMarks =
    MakeStopBytes({'\r', '\n', static_cast<unsigned char>(kReplacedMark)});
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

// Writes value with every quote doubled, cut to maxWidth bytes of the
// doubled text; a pair that would not fit whole is left out.
void WriteDoubled(OutputFile& out, std::string_view value, std::size_t maxWidth) {
  std::size_t room = maxWidth;
  for (;;) {
    const std::size_t plain = std::min({value.find('"'), value.size(), room});
    out.write(value.substr(0, plain));
    room -= plain;
    value.remove_prefix(plain);
    if (value.empty() || room < 2) return;
    out.write("\"\"");
    room -= 2;
    value.remove_prefix(1);
  }
}

class RisReader {
public:
  RisReader(const FieldSetup& setup, ImportRun& run, Ui& ui, OutputFile& out)
      : run_(run), ui_(ui), out_(out), record_(setup) {}

  void read(InputFile& in, ReadResult& result);

private:
  enum class Line { Head, Value, Continuation, Ignored };

  void take(char c);
  void takeStop(char c);
  void feed(char c);
  void endLine();
  void decideTagLine();
  void decideShortLine();
  void startContinuation();
  void continueWith(char c);
  void startRecord();
  void writeRecord();
  bool isField(int n) const { return n >= 1 && n <= record_.fieldCount(); }

  ImportRun& run_;
  Ui& ui_;
  OutputFile& out_;
  FieldValues record_;
  int records_ = 0;
  int truncated_ = 0;
  bool inRecord_ = false;
  LostCharacters lost_;
  int lastField_ = 0;  // the field continuation lines go to; 0 = none

  Line line_ = Line::Head;
  std::array<char, kRisTagLength> head_{};
  std::size_t headLength_ = 0;
  ValueBuffer* target_ = nullptr;  // where the current line's value goes
  bool started_ = false;           // a continuation's first non-blank byte was seen
  std::string blanks_;             // blanks held back until more text follows
  bool afterCr_ = false;           // a LF right after a CR ends no second line
};

void RisReader::read(InputFile& in, ReadResult& result) {
  MessagePump pump(ui_);
  const StopScanner scanner(HoldsReplacedMarks(run_.inputText) ? kLineEndsAndMarks : kLineEnds);
  // A UTF-8 byte-order mark before the first tag is not part of it.
  std::size_t bomMatched = 0;
  int c = in.get();
  const std::string_view bom = kUtf8ByteOrderMark;
  while (c >= 0 && bomMatched < bom.size() && c == static_cast<unsigned char>(bom[bomMatched])) {
    ++bomMatched;
    c = in.get();
  }
  if (bomMatched < bom.size()) {
    for (std::size_t i = 0; i < bomMatched; ++i) feed(bom[i]);
  }
  if (c >= 0) takeStop(static_cast<char>(c));
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
      [&](char stop) {
        takeStop(stop);
        return true;
      });
  if (!in.failed()) {
    endLine();
    // A last record without its end line is still a reference.
    if (inRecord_) writeRecord();
  }
  pump.pumpNow();
  // Asked at the end too, so a stop during a short file is not missed; what
  // was read is then discarded.
  if (pump.stopped()) result.status = ReadStatus::Stopped;
  result.records = records_;
  result.truncated = truncated_;
  result.replaced = lost_.records();
}

// Only a transcoded input can hold the mark, and there it is a lost
// character, written as "?".
void RisReader::takeStop(char c) {
  if (c != kReplacedMark || !HoldsReplacedMarks(run_.inputText)) {
    take(c);
    return;
  }
  take('?');
  if (inRecord_) lost_.mark();
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
      if (headLength_ == kRisTagLength) decideTagLine();
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
  const std::string_view head(head_.data(), kRisTagLength);
  const int n = RisFieldOfTag(head);
  line_ = Line::Ignored;
  if (n == kRisRecordType) {
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
  } else if (n == kRisAuthors || n == kRisKeywords) {
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
  lost_.forget();
  record_.clear();
  lastField_ = kRisRecordType;
  target_ = &record_.value(kRisRecordType);
  line_ = Line::Value;
}

void RisReader::writeRecord() {
  bool cut = false;
  int written = 0;
  for (int n = 1; n <= record_.fieldCount(); ++n) {
    if (!record_.selected(n)) continue;
    const ValueBuffer& held = record_.value(n);
    std::size_t maxWidth = held.limit();
    std::string_view value = held.kept();
    if (held.length() > maxWidth) cut = true;
    out_.put('"');
    WriteDoubled(out_, value, maxWidth);
    out_.put('"');
    if (++written < record_.selectedCount()) out_.put(',');
  }
  out_.endLine();
  if (cut) ++truncated_;
  ++records_;
  lost_.recordWritten(run_, records_);
  ui_.setRecordCounter(records_);
}

}  // namespace

ReadResult ReadRefManExport(const FieldSetup& setup, ImportRun& run, Ui& ui) {
  return ReadExportFile(
      run.inputPath, run.inputText, run.csvPath,
      [&setup](OutputFile& out) { WriteCsvHeader(out, setup); },
      [&](InputFile& in, OutputFile& out, ReadResult& result) {
        RisReader(setup, run, ui, out).read(in, result);
      });
}

}  // namespace tk
