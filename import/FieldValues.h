#pragma once
// One record's values by field number, as the readers gather them. Of a
// selected field the first maxWidth bytes are kept, of the others nothing,
// so memory stays bounded however long a record is.
#include "fields/FieldSetup.h"
#include "import/ValueBuffer.h"

#include <vector>

namespace tk {

class FieldValues {
public:
  // Fields 1..lastField() of the setup, with their selection and widths.
  explicit FieldValues(const FieldSetup& setup);

  int fieldCount() const { return static_cast<int>(values_.size()) - 1; }
  int selectedCount() const { return selectedCount_; }
  bool selected(int n) const { return selected_[n]; }
  ValueBuffer& value(int n) { return values_[n]; }
  const ValueBuffer& value(int n) const { return values_[n]; }
  void clear();

private:
  std::vector<ValueBuffer> values_;  // entry 0 is never a field
  std::vector<bool> selected_;
  int selectedCount_ = 0;
};

}  // namespace tk
