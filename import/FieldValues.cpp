#include "import/FieldValues.h"

#include <algorithm>

namespace tk {

FieldValues::FieldValues(const FieldSetup& setup) : values_(1), selected_(1) {
  for (int n = 1; n <= setup.lastField(); ++n) {
    const FldDef& field = setup.table[static_cast<std::size_t>(n)];
    selected_.push_back(field.selected != 0);
    values_.emplace_back(selected_[n] ? static_cast<std::size_t>(std::max(field.maxWidth, 0)) : 0);
    if (selected_[n]) ++selectedCount_;
  }
}

void FieldValues::clear() {
  for (auto& value : values_) value.clear();
}

}  // namespace tk
