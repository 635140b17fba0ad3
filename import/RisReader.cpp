#include "import/RisReader.h"

#include "fields/RisTags.h"
#include "import/ByteRuns.h"
#include "import/CsvWriter.h"
#include "import/FieldValues.h"
#include "import/ImportMessages.h"
#include "import/UnplacedTags.h"
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

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlankOrTab(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlankOrTab(text.back())) text.remove_suffix(1);
  return text;
}

class RisReader {
public:
  RisReader(const FieldSetup& setup, ImportRun& run, Ui& ui, OutputFile& out);

  void read(InputFile& in, ReadResult& result);

private:
  enum class Line { Head, Value, Continuation, Ignored };
  // Where a tag line's value is gathered: a field, or for three tags whose
  // field is settled only when the record ends, a place of their own.
  static constexpr int kAbstractTagSlot = kRisRecordEnd;
  static constexpr std::uint8_t kNotGiven = 0xFF;
  struct Slot {
    ValueBuffer* value = nullptr;
    std::uint8_t rank = kNotGiven;  // of the line that filled it
  };
  // A value a tag line replaced, kept until the line shows it had a value.
  struct Displaced {
    Slot* slot = nullptr;
    int field = 0;  // 0 for a value kept apart
    std::uint8_t rank = kNotGiven;
    bool sameRank = false;
    std::string_view tag;
  };

  void take(char c);
  void takeStop(char c);
  void feed(char c);
  void endLine();
  void settleLine();
  void decideTagLine();
  void decideShortLine();
  void openLine(const RisTag& tag);
  bool openLast(const RisTag& tag, Slot& slot);
  Slot& slotOf(const RisTag& tag);
  void startContinuation();
  void continueWith(char c);
  void startRecord();
  void placeLateValues();
  void writeRecord();
  bool isField(int n) const { return n >= 1 && n <= record_.fieldCount(); }

  ImportRun& run_;
  Ui& ui_;
  OutputFile& out_;
  FieldValues record_;
  RecordTally tally_;
  bool inRecord_ = false;
  UnplacedTags unplaced_;

  // Kept apart from their fields, which may keep none of them: the type, read
  // by the title rules; the secondary title, which may name the journal; AB,
  // an abstract or a note.
  ValueBuffer type_, secondaryTitle_, abstractTag_;
  std::vector<Slot> slots_;  // by field, then kAbstractTagSlot
  // Whether the record holds a tag Reference Manager never wrote or gives a
  // field twice: only then do today's exporters' rules apply.
  bool newer_ = false;
  std::string replacedTags_;  // of the open record, for the log
  Displaced displaced_;
  ValueBuffer displacedValue_;  // as wide as the widest field
  std::size_t separatorAt_ = 0;  // where a joining line's separator went
  ValueBuffer* separated_ = nullptr;

  ValueBuffer* lastValue_ = nullptr;  // where continuation lines go; none = nullptr
  char continuationMark_ = ' ';

  Line line_ = Line::Head;
  std::array<char, kRisTagLength> head_{};
  std::size_t headLength_ = 0;
  ValueBuffer* target_ = nullptr;  // where the current line's value goes
  bool started_ = false;           // a continuation's first non-blank byte was seen
  std::string blanks_;             // blanks held back until more text follows
  bool afterCr_ = false;           // a LF right after a CR ends no second line
};

// Each place kept apart is as wide as the widest field it may end in, so
// that moving it there cuts and counts as reading it there would.
RisReader::RisReader(const FieldSetup& setup, ImportRun& run, Ui& ui, OutputFile& out)
    : run_(run),
      ui_(ui),
      out_(out),
      record_(setup),
      type_(std::max<std::size_t>(record_.value(kRisRecordType).limit(), 8)),
      secondaryTitle_(std::max(record_.value(kRisSecondaryTitle).limit(),
                               record_.value(kRisPeriodical).limit())),
      abstractTag_(std::max(record_.value(kRisNotes).limit(),
                            record_.value(kRisAbstract).limit())),
      slots_(kAbstractTagSlot + 1) {
  std::size_t widest = 0;
  for (int n = 1; n <= record_.fieldCount(); ++n) widest = std::max(widest, record_.value(n).limit());
  displacedValue_ = ValueBuffer(std::max(widest, type_.limit()));
  for (int n = 1; n <= record_.fieldCount() && n < kAbstractTagSlot; ++n) {
    slots_[n].value = &record_.value(n);
  }
  slots_[kRisRecordType].value = &type_;
  slots_[kRisSecondaryTitle].value = &secondaryTitle_;
  slots_[kAbstractTagSlot].value = &abstractTag_;
}

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
  EndRead(in, pump, tally_, result, [&] {
    endLine();
    if (inRecord_) writeRecord();
  });
  unplaced_.log(run_);
}

// Only a transcoded input can hold the mark, and there it is a lost
// character, written as "?".
void RisReader::takeStop(char c) {
  if (c != kReplacedMark || !HoldsReplacedMarks(run_.inputText)) {
    take(c);
    return;
  }
  take('?');
  if (inRecord_) tally_.lost.mark();
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
  if (displaced_.slot || separated_) settleLine();
  line_ = Line::Head;
  headLength_ = 0;
}

// A tag line without a value erases nothing and adds no separator; a value
// that replaced a different one of its rank is a value lost.
void RisReader::settleLine() {
  if (separated_ && separated_->length() == separatorAt_ + 1) separated_->shrink(separatorAt_);
  separated_ = nullptr;
  Displaced& d = displaced_;
  if (!d.slot) return;
  ValueBuffer& value = *d.slot->value;
  const ValueBuffer& old = displacedValue_;
  if (value.empty()) {
    value.append(old);
    d.slot->rank = d.rank;
  } else if (d.sameRank && d.field && record_.selected(d.field) &&
             (value.length() != old.length() || value.kept() != old.kept())) {
    if (replacedTags_.find(d.tag.substr(0, 2)) == std::string::npos) {
      replacedTags_ += (replacedTags_.empty() ? "" : ", ") + std::string(d.tag.substr(0, 2));
    }
  }
  d.slot = nullptr;
}

void RisReader::decideTagLine() {
  const std::string_view head(head_.data(), kRisTagLength);
  const RisTag* tag = FindRisTag(head);
  line_ = Line::Ignored;
  if (tag && tag->role == RisRole::Type) {
    // A new record inside an open one: the open one ends first.
    if (inRecord_) writeRecord();
    startRecord();
  } else if (!inRecord_) {
    return;
  } else if (tag && tag->role == RisRole::End) {
    writeRecord();
    inRecord_ = false;
  } else if (tag) {
    if (isField(tag->field)) openLine(*tag);
  } else if (LooksLikeTag(head)) {
    if (head[3] == ' ') unplaced_.count(head[0], head[1]);
    lastValue_ = nullptr;
  } else {
    startContinuation();
  }
}

void RisReader::decideShortLine() {
  std::string_view line(head_.data(), headLength_);
  if (line == "TY  -") {
    if (inRecord_) writeRecord();
    startRecord();
    return;
  }
  if (!inRecord_) return;
  if (line == "ER  -") {
    writeRecord();
    inRecord_ = false;
  } else if (LooksLikeTag(line)) {
    const std::array<char, kRisTagLength> full{line[0], line[1], ' ', ' ', '-', ' '};
    if (line.size() == 5 && !FindRisTag({full.data(), full.size()})) {
      unplaced_.count(line[0], line[1]);
    }
    lastValue_ = nullptr;
  } else {
    startContinuation();
  }
}

RisReader::Slot& RisReader::slotOf(const RisTag& tag) {
  switch (tag.role) {
    case RisRole::Abstract:
      return slots_[kAbstractTagSlot];
    case RisRole::BookTitle:
      return slots_[RisIsWholeBookType(Trimmed(type_.kept())) ? kRisTitle : kRisSecondaryTitle];
    default:
      return slots_[tag.field];
  }
}

void RisReader::openLine(const RisTag& tag) {
  if (tag.newer) newer_ = true;
  Slot& slot = slotOf(tag);
  ValueBuffer& value = *slot.value;
  switch (tag.join) {
    case RisJoin::Semicolon:
      if (!value.empty()) value.push(';');
      break;
    case RisJoin::List:
    case RisJoin::Lines:
      if (slot.rank != kNotGiven) newer_ = true;
      if (!value.empty()) {
        separatorAt_ = value.length();
        separated_ = &value;
        value.push(tag.join == RisJoin::List ? ';' : kLineBreakMark);
      }
      break;
    case RisJoin::Last:
      if (!openLast(tag, slot)) {
        lastValue_ = nullptr;
        return;
      }
      break;
  }
  slot.rank = std::min(slot.rank, tag.rank);
  lastValue_ = &value;
  // EndNote puts a keyword of its own on each line after a KW line.
  continuationMark_ = tag.field == kRisKeywords ? ';' : ' ';
  target_ = &value;
  line_ = Line::Value;
}

// Whether a single-valued field takes the line: not when a better tag gave
// it. What the line replaces is kept until the line shows it has a value.
bool RisReader::openLast(const RisTag& tag, Slot& slot) {
  if (slot.rank != kNotGiven) {
    newer_ = true;
    if (tag.rank > slot.rank) return false;
  }
  ValueBuffer& value = *slot.value;
  if (!value.empty()) {
    const int field = static_cast<int>(&slot - slots_.data());
    displaced_ = {&slot, field < kAbstractTagSlot ? field : 0, slot.rank, tag.rank == slot.rank,
                  tag.tag};
    displacedValue_.clear();
    displacedValue_.append(value);
  }
  value.clear();
  return true;
}

// A line that is no tag line continues the last tag line's value: trimmed
// of blanks and tabs at both ends and joined to it with one blank, or after
// a keyword as a keyword of its own.
void RisReader::startContinuation() {
  line_ = lastValue_ ? Line::Continuation : Line::Ignored;
  started_ = false;
  blanks_.clear();
  for (std::size_t i = 0; i < headLength_; ++i) feed(head_[i]);
}

void RisReader::continueWith(char c) {
  ValueBuffer& value = *lastValue_;
  if (IsBlankOrTab(c)) {
    // Blanks beyond what the value can still keep change nothing.
    std::size_t room = value.limit() - value.kept().size();
    if (started_ && blanks_.size() < room) blanks_.push_back(c);
    return;
  }
  if (!started_) {
    started_ = true;
    if (continuationMark_ == ';') {
      newer_ = true;
      if (!value.empty()) value.push(';');
    } else {
      value.push(' ');
    }
  }
  for (char blank : blanks_) value.push(blank);
  blanks_.clear();
  value.push(c);
}

void RisReader::startRecord() {
  inRecord_ = true;
  tally_.lost.forget();
  record_.clear();
  type_.clear();
  secondaryTitle_.clear();
  abstractTag_.clear();
  for (Slot& slot : slots_) slot.rank = kNotGiven;
  newer_ = false;
  replacedTags_.clear();
  slots_[kRisRecordType].rank = 0;
  lastValue_ = &type_;
  continuationMark_ = ' ';
  target_ = &type_;
  line_ = Line::Value;
}

// The values whose field depends on the whole record move to it.
void RisReader::placeLateValues() {
  record_.value(kRisRecordType).append(type_);
  record_.value(kRisSecondaryTitle).append(secondaryTitle_);
  if (newer_ && RisIsJournalType(Trimmed(type_.kept())) &&
      slots_[kRisSecondaryTitle].rank == 0 &&
      slots_[kRisPeriodical].rank > kRisT2PeriodicalRank) {
    record_.value(kRisPeriodical).clear();
    record_.value(kRisPeriodical).append(secondaryTitle_);
  }
  if (slots_[kAbstractTagSlot].rank == kNotGiven || abstractTag_.empty()) return;
  // AB is the abstract, unless the record has N2: then it is a note, as
  // Reference Manager had it.
  const bool asNote = !record_.value(kRisAbstract).empty();
  ValueBuffer& value = record_.value(asNote ? kRisNotes : kRisAbstract);
  if (!value.empty()) value.push(kLineBreakMark);
  value.append(abstractTag_);
}

void RisReader::writeRecord() {
  if (displaced_.slot || separated_) settleLine();
  placeLateValues();
  const bool cut = WriteCsvValues(out_, record_);
  if (cut) ++tally_.truncated;
  ++tally_.records;
  tally_.lost.recordWritten(run_, tally_.records);
  if (!replacedTags_.empty()) {
    run_.note(ValuesReplacedLine(tally_.records, replacedTags_));
    ++tally_.lostValues;
  }
  ui_.setRecordCounter(tally_.records);
}

}  // namespace

ReadResult ReadRefManExport(const FieldSetup& setup, ImportRun& run, Ui& ui) {
  return ReadExportIntoCsv(setup, run, [&](InputFile& in, OutputFile& out, ReadResult& result) {
    RisReader(setup, run, ui, out).read(in, result);
  });
}

}  // namespace tk
