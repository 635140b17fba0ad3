#include "import/CsvWriter.h"

#include "fields/FieldCatalogue.h"
#include "fields/FieldTable.h"

#include <algorithm>

namespace tk {
namespace {

int LastField(const AppState& state) { return std::min(state.fieldCount, kMaxFieldCount); }

}  // namespace

void WriteCsvHeader(OutputFile& out, const AppState& state) {
  bool first = true;
  for (int n = 1; n <= LastField(state); ++n) {
    if (!FldTable[n].selected) continue;
    if (!first) out.put(',');
    first = false;
    out.put('"');
    out.write(FieldLabel(state.convMode, n));
    out.put('"');
  }
  out.endLine();
}

std::size_t CsvCutLength(std::string_view text, std::size_t maxWidth) {
  if (text.size() <= maxWidth) return text.size();
  // Quotes come in pairs, so an odd run of them before the cut means the cut
  // falls inside a pair.
  std::size_t quotes = 0;
  while (quotes < maxWidth && text[maxWidth - 1 - quotes] == '"') ++quotes;
  return quotes % 2 == 1 ? maxWidth - 1 : maxWidth;
}

CsvRecord::CsvRecord(const AppState& state) : fieldCount_(LastField(state)) {
  values_.resize(static_cast<std::size_t>(std::max(fieldCount_, 0)) + 1);
  for (int n = 1; n <= fieldCount_; ++n) {
    Value& value = values_[n];
    value.selected = FldTable[n].selected != 0;
    value.maxWidth = static_cast<std::size_t>(std::max(FldTable[n].maxWidth, 0));
    if (value.selected) ++selectedCount_;
  }
  clear();
}

void CsvRecord::clear() {
  for (auto& value : values_) value.bytes.clear();
  current_ = 1;
  valueCount_ = 0;
  stored_ = false;
  valueHasBytes_ = false;
  aimSink();
}

void CsvRecord::aimSink() {
  if (current_ <= fieldCount_ && values_[current_].selected) {
    sink_ = &values_[current_].bytes;
    sinkCap_ = values_[current_].maxWidth + 1;
  } else {
    sink_ = nullptr;
    sinkCap_ = 0;
  }
}

void CsvRecord::endValue() {
  // An empty value is written as one blank.
  if (!valueHasBytes_ && sink_) sink_->push_back(' ');
  valueHasBytes_ = false;
}

void CsvRecord::nextValue() {
  stored_ = true;
  endValue();
  ++current_;
  aimSink();
}

bool CsvRecord::finish() {
  if (!stored_) {
    valueCount_ = 0;
    return false;
  }
  endValue();
  valueCount_ = current_;
  return true;
}

bool WriteCsvRecord(OutputFile& out, const CsvRecord& record) {
  bool cut = false;
  int written = 0;
  int last = std::min(record.valueCount_, record.fieldCount_);
  for (int n = 1; n <= last; ++n) {
    const CsvRecord::Value& value = record.values_[n];
    if (!value.selected) continue;
    std::string_view text = value.bytes;
    std::size_t keep = CsvCutLength(text, value.maxWidth);
    if (keep < text.size()) cut = true;
    out.put('"');
    out.write(text.substr(0, keep));
    out.put('"');
    if (++written < record.selectedCount_) out.put(',');
  }
  out.endLine();
  return cut;
}

}  // namespace tk
