#include "import/TaggedReader.h"

#include "fields/EndNoteTags.h"
#include "fields/RisTags.h"
#include "import/CsvWriter.h"
#include "import/FieldValues.h"
#include "import/TagLines.h"
#include "import/UnplacedTags.h"
#include "platform/Charset.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <string>
#include <vector>

namespace tk {
namespace {

enum class Format { Percent, Ris };

constexpr int kPagesField = 11;
constexpr int kRisEndPage = 10;

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

enum class Line { Open, End, Field, EndPage, Unplaced };

// What a tag line's head says it is.
struct LineKind {
  Line kind = Line::Unplaced;
  int field = 0;
  std::uint8_t rank = 0;
};

LineKind PercentLine(std::string_view head) {
  if (head[1] == '0') return {Line::Open};
  const EndNoteTag* tag = FindEndNoteTag(head[1]);
  if (!tag) return {Line::Unplaced};
  return {Line::Field, tag->field, tag->rank};
}

LineKind RisLine(std::string_view head) {
  const RisTag* tag = FindRisTag(head);
  if (!tag) return {Line::Unplaced};
  if (tag->role == RisRole::Type) return {Line::Open};
  if (tag->role == RisRole::End) return {Line::End};
  if (tag->field == kRisEndPage) return {Line::EndPage};
  // AB is the abstract here: EndNote has a field of its own for it.
  const int field = tag->role == RisRole::Abstract ? 14 : EndNoteFieldOfRisField(tag->field);
  if (field == 0) return {Line::Unplaced};
  return {Line::Field, field, tag->rank};
}

// Builds the records of either export from its lines. A RIS record runs from
// "TY  - " to "ER  - ". A `%` reference has no end line of its own: a blank
// line may end it or sit inside it (several exporters put blank lines
// between a reference's tags, or between the paragraphs of an abstract), so
// it ends only where the next one plainly begins: at a second %0, or after a
// blank line at a tag it already holds. A title before %0 is the same
// reference, as library catalogues write it.
class TaggedReader final : public TagLineEvents {
public:
  TaggedReader(Format format, const FieldSetup& setup, ImportRun& run, Ui& ui, OutputFile& out)
      : format_(format),
        run_(run),
        ui_(ui),
        out_(out),
        record_(setup),
        endPage_(record_.fieldCount() >= kPagesField ? record_.value(kPagesField).limit() : 0),
        ranks_(static_cast<std::size_t>(record_.fieldCount()) + 1, kNotGiven) {
    std::size_t widest = 0;
    for (int n = 1; n <= record_.fieldCount(); ++n) {
      widest = std::max(widest, record_.value(n).limit());
    }
    before_ = ValueBuffer(widest);
    keptOut_ = ValueBuffer(widest);
    filledBy_.resize(ranks_.size());
  }

  void read(InputFile& in, ReadResult& result);

  void tagLine(std::string_view head) override;
  void textLine() override;
  void value(std::string_view bytes) override {
    if (target_) target_->append(bytes.data(), bytes.size());
  }
  void lostCharacter() override {
    if (inRecord_) tally_.lost.mark();
  }
  void lineEnd() override;
  void blankLine() override {
    if (format_ == Format::Percent && inRecord_) afterBlank_ = true;
  }
  void end() override {
    if (inRecord_) writeRecord();
  }

private:
  static constexpr std::uint8_t kNotGiven = 0xFF;

  bool startsNextReference(Line kind, char tag) const;
  void openValue(const LineKind& line, std::string_view head);
  void noteLeftOut(std::array<char, 2> tag, int field, const ValueBuffer& left);
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
  UnplacedTags leftOut_{kValuesLeftOutLead};
  bool inRecord_ = false;

  std::bitset<256> held_;    // the `%` tags the open reference holds
  bool afterBlank_ = false;  // a blank line came after the reference's last line

  ValueBuffer* target_ = nullptr;  // the open line's value
  ValueBuffer* last_ = nullptr;    // where a continuation goes
  int lastField_ = 0;
  // A single value's line: the value and rank it replaced, given back by a
  // line without a value.
  std::uint8_t* rankOpened_ = nullptr;
  std::uint8_t rankBefore_ = kNotGiven;
  ValueBuffer before_;                         // as wide as the widest field
  std::vector<std::array<char, 2>> filledBy_;  // by field, the tag of its value
  std::array<char, 2> beforeBy_{};
  // A line a better tag keeps out of its field, read to see what it held.
  ValueBuffer keptOut_;
  int keptOutField_ = 0;
  std::array<char, 2> keptOutBy_{};
  ValueBuffer* separated_ = nullptr;  // a separator the line may not earn
  std::size_t separatorAt_ = 0;
};

void TaggedReader::read(InputFile& in, ReadResult& result) {
  MessagePump pump(ui_);
  TagLineScanner scanner(format_ == Format::Percent ? kEndNoteHeadRule : kRisHeadRule,
                         run_.replacedMark(), *this);
  scanner.scan(in, pump);
  EndRead(in, pump, tally_, result, [&] { scanner.finish(); });
  unplaced_.log(run_);
  leftOut_.log(run_);
}

bool TaggedReader::startsNextReference(Line kind, char tag) const {
  if (!inRecord_) return false;
  if (format_ == Format::Ris) return kind == Line::Open;
  return held_[static_cast<unsigned char>(tag)] && (kind == Line::Open || afterBlank_);
}

void TaggedReader::tagLine(std::string_view head) {
  const LineKind line = format_ == Format::Percent ? PercentLine(head) : RisLine(head);
  target_ = nullptr;
  const char tag = head[1];
  if (startsNextReference(line.kind, tag)) writeRecord();
  if (line.kind == Line::End) {
    if (inRecord_) writeRecord();
    last_ = nullptr;
    return;
  }
  // A tagged reference need not open with %0.
  if (!inRecord_ && (line.kind == Line::Open || format_ == Format::Percent)) startRecord();
  if (!inRecord_) return;
  held_[static_cast<unsigned char>(tag)] = true;
  afterBlank_ = false;
  switch (line.kind) {
    case Line::Open:
      openValue({Line::Field, kEndNoteTypeField, 0}, head);
      return;
    case Line::Unplaced:
      unplaced_.count(head[0], head[1]);
      last_ = nullptr;
      return;
    default:
      openValue(line, head);
      return;
  }
}

void TaggedReader::lineEnd() {
  // A repeated line without a value adds no separator, and holds back no
  // worse tag of its field.
  if (separated_ && separated_->length() == separatorAt_ + 1) separated_->shrink(separatorAt_);
  separated_ = nullptr;
  if (keptOutField_) noteLeftOut(keptOutBy_, keptOutField_, keptOut_);
  keptOutField_ = 0;
  if (rankOpened_ && target_ && target_->empty()) {
    *rankOpened_ = rankBefore_;
    target_->append(before_);
    filledBy_[static_cast<std::size_t>(lastField_)] = beforeBy_;
  } else if (rankOpened_ && *rankOpened_ < rankBefore_) {
    noteLeftOut(beforeBy_, lastField_, before_);
  }
  rankOpened_ = nullptr;
  target_ = nullptr;
}

// A value a better tag kept out of a field that is taken, and that says
// more than the kept one (a full date beside its year), is logged.
void TaggedReader::noteLeftOut(std::array<char, 2> tag, int field, const ValueBuffer& left) {
  const ValueBuffer& kept = record_.value(field);
  if (!record_.selected(field) || left.empty() ||
      (left.length() == kept.length() && left.kept() == kept.kept())) {
    return;
  }
  leftOut_.count(tag[0], tag[1]);
}

void TaggedReader::openValue(const LineKind& line, std::string_view head) {
  ValueBuffer* value = nullptr;
  RisJoin join = RisJoin::List;
  if (line.kind == Line::EndPage) {
    value = &endPage_;
    value->clear();
  } else if (isField(line.field)) {
    value = &record_.value(line.field);
    join = EndNoteJoinOfField(line.field);
    std::uint8_t& rank = ranks_[static_cast<std::size_t>(line.field)];
    if (join == RisJoin::Last && rank != kNotGiven && line.rank > rank) {
      keptOut_.clear();
      target_ = &keptOut_;
      keptOutField_ = line.field;
      keptOutBy_ = {head[0], head[1]};
      last_ = nullptr;
      return;
    }
    if (join == RisJoin::Last) {
      before_.clear();
      before_.append(*value);
      value->clear();
      rankOpened_ = &rank;
      rankBefore_ = rank;
      beforeBy_ = filledBy_[static_cast<std::size_t>(line.field)];
      filledBy_[static_cast<std::size_t>(line.field)] = {head[0], head[1]};
    } else if (!value->empty()) {
      separatorAt_ = value->length();
      separated_ = value;
      value->push(join == RisJoin::Lines ? run_.marks().lineBreak : ';');
    }
    rank = std::min(rank, line.rank);
  }
  last_ = value;
  lastField_ = line.field;
  target_ = value;
}

// A continuation joins the value before it: a keyword of its own after a
// keyword, a line of its own in the tagged format's abstracts and notes, else
// after one blank. After a blank line it is a new paragraph of that value,
// kept apart by the line-break mark.
void TaggedReader::textLine() {
  target_ = nullptr;
  if (!inRecord_ || !last_) return;
  ValueBuffer& value = *last_;
  const bool lines = format_ == Format::Percent && isField(lastField_) &&
                     (afterBlank_ || EndNoteJoinOfField(lastField_) == RisJoin::Lines);
  afterBlank_ = false;
  if (lastField_ == kEndNoteKeywordsField) {
    if (!value.empty()) value.push(';');
  } else if (!value.empty()) {
    value.push(lines ? run_.marks().lineBreak : ' ');
  }
  target_ = &value;
}

void TaggedReader::startRecord() {
  inRecord_ = true;
  tally_.lost.forget();
  record_.clear();
  endPage_.clear();
  std::fill(ranks_.begin(), ranks_.end(), kNotGiven);
  held_.reset();
  afterBlank_ = false;
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
  if (tally_.full()) {
    tally_.lost.forget();
    inRecord_ = false;
    return;
  }
  if (WriteCsvValues(out_, record_, run_.palm)) {
    run_.note(TruncatedLine(tally_.records + 1));
    ++tally_.truncated;
  }
  ++tally_.records;
  tally_.lost.recordWritten(run_, tally_.records);
  ui_.setRecordCounter(tally_.records);
  inRecord_ = false;
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
