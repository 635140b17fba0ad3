#pragma once
// The CSV dialect handed to jconv5: a header of quoted field labels, then one
// line of quoted values per record, CR LF line ends, quotes doubled.
#include "fields/AppState.h"
#include "platform/Files.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

// Writes the quoted labels of the selected fields of the current mode.
void WriteCsvHeader(OutputFile& out, const AppState& state);

// How many bytes of text (quotes already doubled) to keep when it is cut to
// maxWidth: never between the two quotes of a doubled pair.
std::size_t CsvCutLength(std::string_view text, std::size_t maxWidth);

// One record of a tab-separated export as the readers store it: values
// separated by TABs, quotes already doubled, line breaks already 0x85. Only
// what can reach the CSV is kept: of each selected value maxWidth + 1 bytes
// (enough to know it was longer), of the other values nothing. So memory
// stays bounded however long a record is.
class CsvRecord {
public:
  // Takes fieldCount, selection and widths from the current field table.
  explicit CsvRecord(const AppState& state);

  void clear();
  void put(char byte) {
    stored_ = true;
    valueHasBytes_ = true;
    if (sink_ && sink_->size() < sinkCap_) sink_->push_back(byte);
  }
  // A TAB: the current value ends and the next begins.
  void nextValue();
  // Ends the record; false when nothing at all was stored (an empty line).
  bool finish();

  int valueCount() const { return valueCount_; }
  int selectedCount() const { return selectedCount_; }

private:
  friend bool WriteCsvRecord(OutputFile& out, const CsvRecord& record);
  struct Value {
    std::string bytes;
    std::size_t maxWidth = 0;
    bool selected = false;
  };
  void endValue();
  void aimSink();

  std::vector<Value> values_;  // by field number; entry 0 unused
  int fieldCount_ = 0;
  int selectedCount_ = 0;
  int current_ = 1;
  int valueCount_ = 0;
  bool stored_ = false;
  bool valueHasBytes_ = false;
  std::string* sink_ = nullptr;
  std::size_t sinkCap_ = 0;
};

// Writes the finished record as one CSV line; an empty value becomes one
// blank. True when at least one value was cut to its maxWidth.
bool WriteCsvRecord(OutputFile& out, const CsvRecord& record);

}  // namespace tk
