#include "import/CsvWriter.h"

#include "fields/FieldCatalogue.h"

#include <algorithm>

namespace tk {
namespace {

// How many bytes of a value (quotes already doubled, cut to its maxWidth) to
// keep: one byte less when the cut ends in half of a doubled pair.
std::size_t CutLengthKeepingPairs(std::string_view cut) {
  // Quotes come in pairs, so an odd run of them at the end means the cut
  // falls inside a pair.
  const auto quotes =
      std::find_if(cut.rbegin(), cut.rend(), [](char c) { return c != '"'; }) - cut.rbegin();
  return quotes % 2 == 1 ? cut.size() - 1 : cut.size();
}

// Writes value with every quote doubled, cut to maxWidth bytes of the
// doubled text; a pair or a character that would not fit whole is left out.
void WriteDoubled(OutputFile& out, std::string_view value, std::size_t maxWidth,
                  PalmCharset charset) {
  std::size_t room = maxWidth;
  for (;;) {
    std::size_t plain = std::min({value.find('"'), value.size(), room});
    if (plain == room) plain = PalmCutLength(charset, value, room);
    out.write(value.substr(0, plain));
    room -= plain;
    value.remove_prefix(plain);
    if (value.empty() || room < 2) return;
    out.write("\"\"");
    room -= 2;
    value.remove_prefix(1);
  }
}

}  // namespace

bool WriteCsvValues(OutputFile& out, const FieldValues& record, PalmCharset charset) {
  bool cut = false;
  int written = 0;
  for (int n = 1; n <= record.fieldCount(); ++n) {
    if (!record.selected(n)) continue;
    const ValueBuffer& held = record.value(n);
    if (held.length() > held.limit()) cut = true;
    out.put('"');
    WriteDoubled(out, held.kept(), held.limit(), charset);
    out.put('"');
    if (++written < record.selectedCount()) out.put(',');
  }
  out.endLine();
  return cut;
}

void WriteCsvHeader(OutputFile& out, const FieldSetup& setup) {
  bool first = true;
  for (int n = 1; n <= setup.lastField(); ++n) {
    if (!setup.table[static_cast<std::size_t>(n)].selected) continue;
    if (!first) out.put(',');
    first = false;
    out.put('"');
    out.write(FieldLabel(setup.mode, n));
    out.put('"');
  }
  out.endLine();
}

CsvRecord::CsvRecord(const FieldSetup& setup) : fields_(setup) { clear(); }

void CsvRecord::clear() {
  fields_.clear();
  beyond_.clear();
  index_ = 1;
  valueCount_ = 0;
  aim();
}

void CsvRecord::aim() {
  current_ = index_ <= fields_.fieldCount() ? &fields_.value(index_) : &beyond_;
}

void CsvRecord::endValue() {
  // An empty value is written as one blank.
  if (current_->empty()) current_->push(' ');
}

void CsvRecord::nextValue() {
  endValue();
  if (index_ <= fields_.fieldCount()) ++index_;
  aim();
  current_->clear();
}

bool CsvRecord::finish() {
  if (index_ == 1 && current_->empty()) {
    valueCount_ = 0;
    return false;
  }
  endValue();
  valueCount_ = index_;
  return true;
}

bool WriteCsvRecord(OutputFile& out, const CsvRecord& record, PalmCharset charset) {
  bool cut = false;
  int written = 0;
  const FieldValues& fields = record.fields_;
  const int last = std::min(record.valueCount_, fields.fieldCount());
  for (int n = 1; n <= last; ++n) {
    if (!fields.selected(n)) continue;
    const ValueBuffer& value = fields.value(n);
    std::string_view text = value.kept();
    if (value.length() > value.limit()) {
      text = text.substr(
          0, CutLengthKeepingPairs(text.substr(0, PalmCutLength(charset, text, text.size()))));
      cut = true;
    }
    out.put('"');
    out.write(text);
    out.put('"');
    if (++written < fields.selectedCount()) out.put(',');
  }
  out.endLine();
  return cut;
}

}  // namespace tk
