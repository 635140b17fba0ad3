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

}  // namespace

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

CsvRecord::CsvRecord(const FieldSetup& setup) : fieldCount_(std::max(setup.lastField(), 0)) {
  values_.emplace_back();
  selected_.resize(static_cast<std::size_t>(fieldCount_) + 1);
  for (int n = 1; n <= fieldCount_; ++n) {
    const FldDef& field = setup.table[static_cast<std::size_t>(n)];
    selected_[n] = field.selected != 0;
    values_.emplace_back(selected_[n] ? static_cast<std::size_t>(std::max(field.maxWidth, 0)) : 0);
    if (selected_[n]) ++selectedCount_;
  }
  clear();
}

void CsvRecord::clear() {
  for (auto& value : values_) value.clear();
  beyond_.clear();
  index_ = 1;
  valueCount_ = 0;
  aim();
}

void CsvRecord::aim() { current_ = index_ <= fieldCount_ ? &values_[index_] : &beyond_; }

void CsvRecord::endValue() {
  // An empty value is written as one blank.
  if (current_->empty()) current_->push(' ');
}

void CsvRecord::nextValue() {
  endValue();
  if (index_ <= fieldCount_) ++index_;
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

bool WriteCsvRecord(OutputFile& out, const CsvRecord& record) {
  bool cut = false;
  int written = 0;
  int last = std::min(record.valueCount_, record.fieldCount_);
  for (int n = 1; n <= last; ++n) {
    if (!record.selected_[n]) continue;
    const ValueBuffer& value = record.values_[n];
    std::string_view text = value.kept();
    if (value.length() > value.limit()) {
      text = text.substr(0, CutLengthKeepingPairs(text));
      cut = true;
    }
    out.put('"');
    out.write(text);
    out.put('"');
    if (++written < record.selectedCount_) out.put(',');
  }
  out.endLine();
  return cut;
}

}  // namespace tk
