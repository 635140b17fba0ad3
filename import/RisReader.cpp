#include "import/RisReader.h"

#include "fields/RisTags.h"
#include "import/CsvWriter.h"
#include "import/FieldValues.h"
#include "import/ImportMessages.h"
#include "import/TagLines.h"
#include "import/UnplacedTags.h"
#include "platform/Charset.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tk {
namespace {

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlankOrTab(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlankOrTab(text.back())) text.remove_suffix(1);
  return text;
}

bool SameValue(const ValueBuffer& a, const ValueBuffer& b) {
  return a.length() == b.length() && a.kept() == b.kept();
}

// Builds the records of a RIS export from its lines.
class RisReader final : public TagLineEvents {
public:
  RisReader(const FieldSetup& setup, ImportRun& run, Ui& ui, OutputFile& out);

  void read(InputFile& in, ReadResult& result);

  void tagLine(std::string_view head) override;
  void textLine() override;
  void value(std::string_view bytes) override;
  void lostCharacter() override {
    if (inRecord_) tally_.lost.mark();
  }
  void lineEnd() override;
  void blankLine() override {}
  void end() override {
    if (inRecord_) writeRecord();
  }

private:
  enum class Line { Value, Continuation, KeptOut, Ignored };
  // Where a tag line's value is gathered: a field, or for three tags whose
  // field is settled only when the record ends, a place of their own.
  static constexpr int kAbstractTagSlot = kRisRecordEnd;
  static constexpr std::uint8_t kNotGiven = 0xFF;
  struct Slot {
    ValueBuffer* value = nullptr;
    std::uint8_t rank = kNotGiven;  // of the line that filled it
    const RisTag* tag = nullptr;    // that line's
  };
  // What a single-valued line replaced, kept until the line shows it had a
  // value: a line without one gives the field back as it was.
  struct Displaced {
    Slot* slot = nullptr;
    int field = 0;  // 0 for a value kept apart
    Slot before;
  };

  void openLine(const RisTag& tag);
  bool openLast(const RisTag& tag, Slot& slot);
  void keepOut(const RisTag& tag, Slot& slot);
  Slot& slotOf(const RisTag& tag);
  void settleLine();
  void settleReplaced(const Displaced& d, const ValueBuffer& old);
  void noteLeftOut(const RisTag& worse, int field, const ValueBuffer& worseValue,
                   const ValueBuffer& kept);
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
  UnplacedTags leftOut_{kValuesLeftOutLead};

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
  // A line a better tag keeps out of its field, read to see what it held.
  const RisTag* keptOutTag_ = nullptr;
  Slot* keptOutSlot_ = nullptr;
  ValueBuffer keptOutValue_;
  std::size_t separatorAt_ = 0;  // where a joining line's separator went
  ValueBuffer* separated_ = nullptr;

  ValueBuffer* lastValue_ = nullptr;  // where continuation lines go; none = nullptr
  char continuationMark_ = ' ';

  Line line_ = Line::Ignored;
  ValueBuffer* target_ = nullptr;  // where the current line's value goes
  bool started_ = false;           // a continuation's first byte was joined
  std::string blanks_;             // blanks held back until more text follows
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
      abstractTag_(std::max(record_.value(kRisNotes).limit(), record_.value(kRisAbstract).limit())),
      slots_(kAbstractTagSlot + 1) {
  std::size_t widest = 0;
  for (int n = 1; n <= record_.fieldCount(); ++n)
    widest = std::max(widest, record_.value(n).limit());
  displacedValue_ = ValueBuffer(std::max(widest, type_.limit()));
  keptOutValue_ = ValueBuffer(displacedValue_.limit());
  for (int n = 1; n <= record_.fieldCount() && n < kAbstractTagSlot; ++n) {
    slots_[n].value = &record_.value(n);
  }
  slots_[kRisRecordType].value = &type_;
  slots_[kRisSecondaryTitle].value = &secondaryTitle_;
  slots_[kAbstractTagSlot].value = &abstractTag_;
}

void RisReader::read(InputFile& in, ReadResult& result) {
  MessagePump pump(ui_);
  TagLineScanner scanner(kRisHeadRule, run_.replacedMark(), *this);
  scanner.scan(in, pump);
  EndRead(in, pump, tally_, result, [&] { scanner.finish(); });
  unplaced_.log(run_);
  leftOut_.log(run_);
}

void RisReader::tagLine(std::string_view head) {
  settleLine();
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
  } else {
    unplaced_.count(head[0], head[1]);
    lastValue_ = nullptr;
  }
}

// A line that is no tag line continues the last tag line's value: trimmed
// of blanks and tabs at both ends and joined to it with one blank, or after
// a keyword as a keyword of its own.
void RisReader::textLine() {
  line_ = inRecord_ && lastValue_ ? Line::Continuation : Line::Ignored;
  started_ = false;
  blanks_.clear();
}

void RisReader::value(std::string_view bytes) {
  switch (line_) {
    case Line::Value:
      target_->append(bytes.data(), bytes.size());
      break;
    case Line::KeptOut:
      keptOutValue_.append(bytes.data(), bytes.size());
      break;
    case Line::Continuation:
      for (char c : bytes) continueWith(c);
      break;
    case Line::Ignored:
      break;
  }
}

void RisReader::lineEnd() { line_ = Line::Ignored; }

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
        value.push(tag.join == RisJoin::List ? ';' : run_.marks().lineBreak);
      }
      break;
    case RisJoin::Last:
      if (!openLast(tag, slot)) {
        keepOut(tag, slot);
        return;
      }
      break;
  }
  if (tag.rank < slot.rank) slot.tag = &tag;
  slot.rank = std::min(slot.rank, tag.rank);
  lastValue_ = &value;
  // EndNote puts a keyword of its own on each line after a KW line.
  continuationMark_ = tag.field == kRisKeywords ? ';' : ' ';
  target_ = &value;
  line_ = Line::Value;
}

// Whether a single-valued field takes the line: not when a better tag gave
// it, nor when it keeps its first value. What the line replaces is kept
// until the line shows it has a value.
bool RisReader::openLast(const RisTag& tag, Slot& slot) {
  if (slot.rank != kNotGiven) {
    newer_ = true;
    if (tag.rank > slot.rank || (tag.firstWins && slot.tag == &tag)) return false;
  }
  ValueBuffer& value = *slot.value;
  const int field = static_cast<int>(&slot - slots_.data());
  displaced_ = {&slot, field < kAbstractTagSlot ? field : 0, slot};
  displacedValue_.clear();
  displacedValue_.append(value);
  value.clear();
  slot.tag = &tag;
  return true;
}

// The line is read aside, so that a value it held is not lost unsaid.
void RisReader::keepOut(const RisTag& tag, Slot& slot) {
  keptOutTag_ = &tag;
  keptOutSlot_ = &slot;
  keptOutValue_.clear();
  lastValue_ = nullptr;
  line_ = Line::KeptOut;
}

// Settled when the next tag line comes, so that text lines continuing a tag
// line count as its value. A tag line without a value erases nothing, holds
// nothing back and adds no separator; a value that replaced a different one
// is a value lost.
void RisReader::settleLine() {
  if (separated_ && separated_->length() == separatorAt_ + 1) separated_->shrink(separatorAt_);
  separated_ = nullptr;
  if (keptOutTag_) {
    const int field = static_cast<int>(keptOutSlot_ - slots_.data());
    noteLeftOut(*keptOutTag_, field, keptOutValue_, *keptOutSlot_->value);
    keptOutTag_ = nullptr;
  }
  Displaced& d = displaced_;
  if (!d.slot) return;
  if (d.slot->value->empty()) {
    d.slot->value->append(displacedValue_);
    d.slot->rank = d.before.rank;
    d.slot->tag = d.before.tag;
  } else if (!displacedValue_.empty()) {
    settleReplaced(d, displacedValue_);
  }
  d.slot = nullptr;
}

void RisReader::settleReplaced(const Displaced& d, const ValueBuffer& old) {
  const Slot& now = *d.slot;
  if (now.rank < d.before.rank) {
    noteLeftOut(*d.before.tag, d.field, old, *now.value);
    return;
  }
  if (!d.field || !record_.selected(d.field) || SameValue(*now.value, old)) return;
  const std::string_view tag = now.tag->tag.substr(0, 2);
  if (replacedTags_.find(tag) == std::string::npos) {
    replacedTags_ += (replacedTags_.empty() ? "" : ", ") + std::string(tag);
  }
}

// A value a better tag's kept out of a field that is taken, and that says
// more than the kept one (a full date beside its year), is logged.
void RisReader::noteLeftOut(const RisTag& worse, int field, const ValueBuffer& worseValue,
                            const ValueBuffer& kept) {
  if (field >= kAbstractTagSlot || !record_.selected(field) || worseValue.empty() ||
      SameValue(worseValue, kept)) {
    return;
  }
  leftOut_.count(worse.tag[0], worse.tag[1]);
}

void RisReader::continueWith(char c) {
  ValueBuffer& value = *lastValue_;
  if (IsBlankOrTab(c)) {
    // Blanks beyond what the value can still keep change nothing.
    std::size_t room = value.limit() - value.kept().size();
    if (blanks_.size() < room) blanks_.push_back(c);
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
  for (Slot& slot : slots_) slot = {slot.value};
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
  if (newer_ && RisIsJournalType(Trimmed(type_.kept())) && slots_[kRisSecondaryTitle].rank == 0 &&
      slots_[kRisPeriodical].rank > kRisT2PeriodicalRank) {
    record_.value(kRisPeriodical).clear();
    record_.value(kRisPeriodical).append(secondaryTitle_);
  }
  if (slots_[kAbstractTagSlot].rank == kNotGiven || abstractTag_.empty()) return;
  // AB is the abstract, unless the record has N2: then it is a note, as
  // Reference Manager had it.
  const bool asNote = !record_.value(kRisAbstract).empty();
  ValueBuffer& value = record_.value(asNote ? kRisNotes : kRisAbstract);
  if (!value.empty()) value.push(run_.marks().lineBreak);
  value.append(abstractTag_);
}

void RisReader::writeRecord() {
  settleLine();
  line_ = Line::Ignored;
  placeLateValues();
  if (tally_.full()) {
    tally_.lost.forget();
    return;
  }
  const bool cut = WriteCsvValues(out_, record_, run_.palm);
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
