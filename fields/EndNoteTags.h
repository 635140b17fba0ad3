#pragma once
// EndNote's own tagged export ("EndNote Export": "%0 Journal Article",
// "%A Doe, J.", …) and how EndNote's RIS export lands in EndNote's fields.
// Repeats combine by the RIS rules, so a field reads alike from either.
#include "fields/RisTags.h"
#include "fields/TagHeadRule.h"

#include <cstdint>
#include <string_view>

namespace tk {

// A tag line starts "%X ": the percent sign, the tag character (no blank),
// then a blank or the end of the line. "%20 of all" is text.
std::size_t EndNoteTagHeadLength(std::string_view start, bool whole);
inline constexpr TagHeadRule kEndNoteHeadRule{3, EndNoteTagHeadLength};
inline constexpr int kEndNoteTypeField = 1;
inline constexpr int kEndNoteKeywordsField = 13;
// URLs and DOIs alike: EndNote's 31 fields have no DOI of their own.
inline constexpr int kEndNoteUrlField = 27;

struct EndNoteTag {
  char tag;   // the character after '%'
  int field;  // of the EndNote mode's 31
  RisJoin join = RisJoin::Last;
  std::uint8_t rank = 0;  // as in RIS: a lower rank wins whatever the order
};

// The entry of "%X" (tag is X), nullptr for a tag no field takes.
const EndNoteTag* FindEndNoteTag(char tag);

// The tag written before a field's value; '\0' for a field without one.
char EndNoteTagOfField(int field);

// The secondary title of an article is its journal (%J); of anything else,
// the book or series it is in (%B). By the reference's type name.
inline constexpr int kEndNoteSecondaryTitleField = 5;
char EndNoteSecondaryTitleTag(std::string_view type);

// 'R' for a link that is a DOI (it starts "10."), else 'U'.
char EndNoteTagOfLink(std::string_view link);

// How repeated lines of a field combine, whichever format filled it.
RisJoin EndNoteJoinOfField(int field);

// A RIS tag in EndNote's fields: by the Reference Manager field it names,
// the EndNote field of the same meaning (0 for none); the rank stays the RIS
// tag's own, the join is the EndNote field's.
int EndNoteFieldOfRisField(int risField);

// EndNote's name of a RIS type code ("JOUR" gives "Journal Article"); the
// code itself when EndNote has no type of that code.
std::string_view EndNoteTypeOfRisCode(std::string_view code);

}  // namespace tk
