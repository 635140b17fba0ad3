#pragma once
// The field catalogue: per mode, how many fields a record has and what each
// is called. Texts are exact, trailing blanks included.
#include "fields/ProgramModes.h"

#include <cstdint>
#include <string_view>

namespace tk {

struct FieldName {
  const char* label;     // check-box caption and CSV column name
  const char* longName;  // used by the export direction (EndNote names)
};

// Row n of the mode's FieldNameTable: 0 is "DUMMY", 1..fieldCount are the
// fields, and the rows after the last field are the end markers. Rows beyond
// the table give empty texts.
FieldName FieldNameTable(Mode mode, int n);
std::string_view FieldLabel(Mode mode, int n);
std::string_view FieldLongName(Mode mode, int n);

// The generic field that ProCite all-fields number n (1..47) becomes, or
// "---" when the generic database has none. Row 0 "DUMMY", row 48 "END1".
std::string_view GenericFieldMap(int n);

}  // namespace tk
