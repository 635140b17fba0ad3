#pragma once
// Reader of Reference Manager (RIS) exports: tagged lines, records from
// "TY  - " to "ER  - ", written as CSV for jconv5.
#include "fields/AppState.h"
#include "platform/Ui.h"

#include <string_view>

namespace tk {

// Field number of the record-end tag "ER  - " (not a field).
inline constexpr int kRisRecordEnd = 34;

// tag := the first six characters of line, value := the rest, unchanged.
// Returns the field number of the tag (kRisRecordEnd for "ER  - "), or 0
// when the tag is not one of ours (the match is exact and case-sensitive).
int LookupRisTag(std::string_view line, std::string_view& tag, std::string_view& value);

// Reads state.inputPath, writes state.csvPath; returns the number of records
// written (0 = failure or no record).
int ConvertRefManExport(AppState& state, Ui& ui);

}  // namespace tk
