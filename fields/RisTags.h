#pragma once
// The Reference Manager (RIS) tags and the fields they carry, shared by the
// reader and the writer. Reading accepts every tag of the table; writing uses
// the first tag of each field.
#include <string_view>

namespace tk {

// A tag line starts with the tag: two characters, two blanks, '-', a blank.
inline constexpr std::size_t kRisTagLength = 6;
// The field number of the record-end tag "ER  - " (not a field).
inline constexpr int kRisRecordEnd = 34;
inline constexpr int kRisRecordType = 1;
// Fields that may repeat: each tag line adds a value.
inline constexpr int kRisAuthors = 4;
inline constexpr int kRisKeywords = 7;

// The field of a tag, kRisRecordEnd for "ER  - ", 0 for none of ours. The
// match is exact and case-sensitive; tag holds at least the six characters.
int RisFieldOfTag(std::string_view tag);

// The tag written before a field's value; empty for a field without one.
std::string_view RisTagOfField(int field);

}  // namespace tk
