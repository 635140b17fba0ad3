#pragma once
// The CSV dialect handed to jconv5: a header of quoted field labels, then one
// line of quoted values per record, CR LF line ends, quotes doubled.
#include "fields/FieldSetup.h"
#include "import/FieldValues.h"
#include "platform/Files.h"
#include "platform/PalmCharset.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

// One record of a tagged export, its values as read (quotes not yet
// doubled): each selected value quoted, with its quotes doubled, cut to its
// width; an empty value stays empty. True when a value was cut.
[[nodiscard]] bool WriteCsvValues(OutputFile& out, const FieldValues& record, PalmCharset charset);

// Writes the quoted labels of the selected fields of the current mode.
void WriteCsvHeader(OutputFile& out, const FieldSetup& setup);

// One record of a tab-separated export as the readers store it: values
// separated by TABs, quotes already doubled, line breaks already 0x85. Only
// what can reach the CSV is kept: of each selected value its first maxWidth
// bytes, of the other values nothing. So memory stays bounded however long
// a record is.
class CsvRecord {
public:
  // Takes fieldCount, selection and widths from the setup's field table.
  explicit CsvRecord(const FieldSetup& setup);

  void clear();
  void put(char byte) { current_->push(byte); }
  void append(const char* bytes, std::size_t count) { current_->append(bytes, count); }
  // A TAB: the current value ends and the next begins.
  void nextValue();
  // Ends the record; false when nothing at all was stored (an empty line).
  bool finish();

  int valueCount() const { return valueCount_; }
  int selectedCount() const { return fields_.selectedCount(); }

private:
  friend bool WriteCsvRecord(OutputFile& out, const CsvRecord& record, PalmCharset charset);
  void endValue();
  void aim();

  FieldValues fields_;
  ValueBuffer beyond_;  // values after the last field
  ValueBuffer* current_ = nullptr;
  int index_ = 1;
  int valueCount_ = 0;
};

// Writes the finished record as one CSV line; an empty value becomes one
// blank. True when at least one value was cut to its maxWidth.
[[nodiscard]] bool WriteCsvRecord(OutputFile& out, const CsvRecord& record, PalmCharset charset);

}  // namespace tk
