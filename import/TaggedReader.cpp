#include "import/TaggedReader.h"

#include "fields/EndNoteTags.h"
#include "fields/RisTags.h"
#include "import/ByteRuns.h"
#include "import/CsvWriter.h"
#include "import/FieldValues.h"
#include "import/UnplacedTags.h"
#include "platform/Charset.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace tk {
namespace {

enum class Format { Percent, Ris };

constexpr StopBytes kLineEnds = MakeStopBytes({'\r', '\n'});
constexpr StopBytes kLineEndsAndMarks =
    MakeStopBytes({'\r', '\n', static_cast<unsigned char>(kReplacedMark)});
constexpr int kPagesField = 11;
constexpr int kRisEndPage = 10;

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }
bool IsLetterOrDigit(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

enum class Line { Open, End, Field, EndPage, Unplaced, Blank, Other };

// What a line's head says it is.
struct LineKind {
  Line kind = Line::Other;
  int field = 0;
  std::uint8_t rank = 0;
};

// whole: the head is the whole line, so blanks alone make it a blank line.
LineKind PercentLine(std::string_view head, bool whole) {
  if (whole && std::all_of(head.begin(), head.end(), IsBlankOrTab)) return {Line::Blank};
  if (head.size() < 2 || head[0] != '%' || (head.size() > 2 && head[2] != ' ')) return {};
  if (head[1] == '0') return {Line::Open};
  const EndNoteTag* tag = FindEndNoteTag(head[1]);
  if (!tag) return {Line::Unplaced};
  return {Line::Field, tag->field, tag->rank};
}

// "XX  - " or, for a tag line without a value, "XX  -".
bool IsRisTagHead(std::string_view head) {
  return head.size() >= 5 && IsLetterOrDigit(head[0]) && IsLetterOrDigit(head[1]) &&
         head.substr(2, 3) == "  -" && (head.size() == 5 || head[5] == ' ');
}

LineKind RisLine(std::string_view head) {
  if (!IsRisTagHead(head)) return {};
  const std::array<char, kRisTagLength> full{head[0], head[1], ' ', ' ', '-', ' '};
  const RisTag* tag = FindRisTag({full.data(), full.size()});
  if (!tag) return {Line::Unplaced};
  if (tag->role == RisRole::Type) return {Line::Open};
  if (tag->role == RisRole::End) return {Line::End};
  if (tag->field == kRisEndPage) return {Line::EndPage};
  // AB is the abstract here: EndNote has a field of its own for it.
  const int field =
      tag->role == RisRole::Abstract ? 14 : EndNoteFieldOfRisField(tag->field);
  if (field == 0) return {Line::Unplaced};
  return {Line::Field, field, tag->rank};
}

class TaggedReader {
public:
  TaggedReader(Format format, const FieldSetup& setup, ImportRun& run, Ui& ui, OutputFile& out)
      : format_(format),
        run_(run),
        ui_(ui),
        out_(out),
        record_(setup),
        endPage_(record_.fieldCount() >= kPagesField ? record_.value(kPagesField).limit() : 0),
        ranks_(static_cast<std::size_t>(record_.fieldCount()) + 1, kNotGiven) {}

  void read(InputFile& in, ReadResult& result);

private:
  enum class State { Head, Value, Continuation, Ignored };
  static constexpr std::uint8_t kNotGiven = 0xFF;

  std::size_t headLength() const {
    return format_ == Format::Percent ? kEndNoteTagLength : kRisTagLength;
  }
  void take(char c);
  void feed(char c);
  void endLine();
  void decideLine(bool whole);
  void openValue(const LineKind& line);
  void continueWith(char c);
  void startRecord();
  void writeRecord();
  bool isField(int n) const { return n >= 1 && n <= record_.fieldCount(); }

  Format format_;
  ImportRun& run_;
  Ui& ui_;
  OutputFile& out_;
  FieldValues record_;
  ValueBuffer endPage_;
  std::vector<std::uint8_t> ranks_;  // by field, of the line that filled it
  RecordTally tally_;
  UnplacedTags unplaced_;
  bool inRecord_ = false;

  State state_ = State::Head;
  std::string head_;
  ValueBuffer* target_ = nullptr;  // the open line's value
  ValueBuffer* last_ = nullptr;    // where a continuation goes
  int lastField_ = 0;
  ValueBuffer* separated_ = nullptr;  // a separator the line may not earn
  std::size_t separatorAt_ = 0;
  bool afterCr_ = false;
  bool atStart_ = true;  // before the first byte, where a byte-order mark may be
};

void TaggedReader::read(InputFile& in, ReadResult& result) {
  MessagePump pump(ui_);
  const bool marked = HoldsReplacedMarks(run_.inputText);
  const StopScanner scanner(marked ? kLineEndsAndMarks : kLineEnds);
  ScanRuns(
      in, pump, scanner,
      [&](std::string_view run) {
        if (atStart_ && run.starts_with(kUtf8ByteOrderMark)) {
          run.remove_prefix(kUtf8ByteOrderMark.size());
        }
        atStart_ = false;
        while (!run.empty() && state_ != State::Value) {
          feed(run.front());
          run.remove_prefix(1);
        }
        if (!run.empty()) target_->append(run.data(), run.size());
        afterCr_ = false;
      },
      [&](char stop) {
        atStart_ = false;
        if (stop == kReplacedMark && marked) {
          feed('?');
          if (inRecord_) tally_.lost.mark();
          afterCr_ = false;
        } else {
          take(stop);
        }
        return true;
      });
  EndRead(in, pump, tally_, result, [&] {
    endLine();
    if (inRecord_) writeRecord();
  });
  unplaced_.log(run_);
}

// CR LF, LF and a lone CR all end a line.
void TaggedReader::take(char c) {
  if (c == '\r' || (c == '\n' && !afterCr_)) endLine();
  afterCr_ = c == '\r';
}

void TaggedReader::feed(char c) {
  switch (state_) {
    case State::Head:
      head_.push_back(c);
      if (head_.size() == headLength()) decideLine(false);
      break;
    case State::Value:
      target_->push(c);
      break;
    case State::Continuation:
      continueWith(c);
      break;
    case State::Ignored:
      break;
  }
}

void TaggedReader::endLine() {
  if (state_ == State::Head) decideLine(true);
  // A repeated line without a value adds no separator.
  if (separated_ && separated_->length() == separatorAt_ + 1) separated_->shrink(separatorAt_);
  separated_ = nullptr;
  state_ = State::Head;
  head_.clear();
}

void TaggedReader::decideLine(bool whole) {
  const LineKind line = format_ == Format::Percent ? PercentLine(head_, whole) : RisLine(head_);
  state_ = State::Ignored;
  switch (line.kind) {
    case Line::Open:
      if (inRecord_) writeRecord();
      startRecord();
      openValue({Line::Field, kEndNoteTypeField, 0});
      return;
    case Line::End:
    case Line::Blank:
      // Blank lines end a tagged reference; in RIS only "ER  - " does.
      if (inRecord_ && (line.kind == Line::End || format_ == Format::Percent)) {
        writeRecord();
        inRecord_ = false;
      }
      last_ = nullptr;
      return;
    case Line::Field:
    case Line::EndPage:
    case Line::Unplaced:
      // A tagged reference need not open with %0.
      if (!inRecord_ && format_ == Format::Percent) startRecord();
      if (!inRecord_) return;
      if (line.kind == Line::Unplaced) {
        unplaced_.count(head_[0], head_[1]);
        last_ = nullptr;
      } else {
        openValue(line);
      }
      return;
    case Line::Other:
      if (!inRecord_ || !last_) return;
      state_ = State::Continuation;
      for (char c : std::string(head_)) feed(c);
      return;
  }
}

void TaggedReader::openValue(const LineKind& line) {
  ValueBuffer* value = nullptr;
  RisJoin join = RisJoin::List;
  if (line.kind == Line::EndPage) {
    value = &endPage_;
    value->clear();
  } else if (isField(line.field)) {
    value = &record_.value(line.field);
    join = EndNoteJoinOfField(line.field);
    std::uint8_t& rank = ranks_[static_cast<std::size_t>(line.field)];
    if (join == RisJoin::Last) {
      if (rank != kNotGiven && line.rank > rank) value = nullptr;
      if (value) value->clear();
    } else if (!value->empty()) {
      separatorAt_ = value->length();
      separated_ = value;
      value->push(join == RisJoin::Lines ? kLineBreakMark : ';');
    }
    if (value) rank = std::min(rank, line.rank);
  }
  last_ = value;
  lastField_ = line.field;
  if (!value) return;
  target_ = value;
  state_ = State::Value;
}

// A continuation joins the value before it: a keyword of its own after a
// keyword, a line of its own in the tagged format's abstracts and notes, else
// after one blank. Its leading blanks are dropped.
void TaggedReader::continueWith(char c) {
  if (IsBlankOrTab(c)) return;
  ValueBuffer& value = *last_;
  const bool lines = format_ == Format::Percent && isField(lastField_) &&
                     EndNoteJoinOfField(lastField_) == RisJoin::Lines;
  if (lastField_ == kEndNoteKeywordsField) {
    if (!value.empty()) value.push(';');
  } else if (!value.empty()) {
    value.push(lines ? kLineBreakMark : ' ');
  }
  value.push(c);
  target_ = &value;
  state_ = State::Value;
}

void TaggedReader::startRecord() {
  inRecord_ = true;
  tally_.lost.forget();
  record_.clear();
  endPage_.clear();
  std::fill(ranks_.begin(), ranks_.end(), kNotGiven);
  last_ = nullptr;
}

void TaggedReader::writeRecord() {
  if (format_ == Format::Ris && isField(kEndNoteTypeField)) {
    ValueBuffer& type = record_.value(kEndNoteTypeField);
    std::string_view code = type.kept();
    while (!code.empty() && IsBlankOrTab(code.back())) code.remove_suffix(1);
    const std::string name(EndNoteTypeOfRisCode(code));
    type.clear();
    type.append(name.data(), name.size());
  }
  if (!endPage_.empty() && isField(kPagesField)) {
    ValueBuffer& pages = record_.value(kPagesField);
    if (!pages.empty()) pages.push('-');
    pages.append(endPage_);
  }
  if (WriteCsvValues(out_, record_)) {
    run_.note(TruncatedLine(tally_.records + 1));
    ++tally_.truncated;
  }
  ++tally_.records;
  tally_.lost.recordWritten(run_, tally_.records);
  ui_.setRecordCounter(tally_.records);
}

ReadResult ReadTagged(Format format, const FieldSetup& setup, ImportRun& run, Ui& ui) {
  return ReadExportIntoCsv(setup, run, [&](InputFile& in, OutputFile& out, ReadResult& result) {
    TaggedReader(format, setup, run, ui, out).read(in, result);
  });
}

}  // namespace

ReadResult ReadEndNoteTaggedExport(const FieldSetup& setup, ImportRun& run, Ui& ui) {
  return ReadTagged(Format::Percent, setup, run, ui);
}

ReadResult ReadRisIntoEndNote(const FieldSetup& setup, ImportRun& run, Ui& ui) {
  return ReadTagged(Format::Ris, setup, run, ui);
}

}  // namespace tk
