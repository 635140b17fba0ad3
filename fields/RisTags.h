#pragma once
// The Reference Manager (RIS) tags: the field each fills, how repeated lines
// of a field combine, and which of two tags for one field wins. One table
// serves the reader and the writer; writing uses the first tag of a field.
#include "fields/TagHeadRule.h"

#include <cstdint>
#include <string_view>

namespace tk {

// A tag line starts with the tag: two letters or digits, one or two blanks,
// '-', then a blank or the end of the line ("TY  - ", "TY - ", "ER  -"), as
// Reference Manager, Zotero and the libraries that read RIS accept it. Tags
// of any letter case are tag lines; only our own (upper-case) fill fields.
std::size_t RisTagHeadLength(std::string_view start, bool whole);
inline constexpr TagHeadRule kRisHeadRule{6, RisTagHeadLength};
// How our writer starts a tag line.
inline constexpr std::size_t kRisTagLength = 6;
// The field number of the record-end tag "ER  - " (not a field).
inline constexpr int kRisRecordEnd = 34;
inline constexpr int kRisRecordType = 1;
inline constexpr int kRisTitle = 3;
inline constexpr int kRisAuthors = 4;
inline constexpr int kRisNotes = 6;
inline constexpr int kRisKeywords = 7;
inline constexpr int kRisPeriodical = 11;
inline constexpr int kRisSecondaryTitle = 13;
inline constexpr int kRisAbstract = 25;
// Where a DOI is kept: Availability. Reference Manager meant it as "where to
// get the work", which a DOI is; today's exporters leave AV empty, while
// Misc 3 and URL already carry the type of work and links. A value there
// that is a DOI goes back out as "DO  - ".
inline constexpr int kRisDoiField = 27;

// How the lines of one field in one record combine.
enum class RisJoin : std::uint8_t {
  Last,       // one value: a later line of the same rank replaces it
  Semicolon,  // every line, joined by ';' (authors and keywords, as always)
  List,       // lines with a value, joined by ';'
  Lines,      // lines with a value, joined by the line-break mark
};

// What a tag means beyond filling its field.
enum class RisRole : std::uint8_t {
  Plain,
  Type,            // opens a record
  End,             // closes it
  Abstract,        // the abstract, or a note when the record also has N2
  BookTitle,       // the title of a whole book, else the secondary title
  SecondaryTitle,  // also the journal's full name in journal-like records
};

struct RisTag {
  std::string_view tag;
  int field;
  RisJoin join = RisJoin::Last;
  // Of lines for one field, a lower rank wins over a higher one whatever
  // their order; an equal rank replaces.
  std::uint8_t rank = 0;
  RisRole role = RisRole::Plain;
  // A tag Reference Manager never wrote: a record holding one is read by
  // today's exporters' rules.
  bool newer = false;
  // Of its own repeats the first line with a value is kept (a chapter's DOI,
  // then its book's), where other single values keep the last.
  bool firstWins = false;
};

// The rank a journal's full name in T2 takes for the periodical: after JF,
// before JO and the abbreviations.
inline constexpr std::uint8_t kRisT2PeriodicalRank = 1;

// The entry of the tag of a tag line (its first two characters), matched
// exactly and case-sensitively; nullptr for none of ours.
const RisTag* FindRisTag(std::string_view head);

// The tag written before a field's value; empty for a field without one.
// The DOI field's tag depends on whether value is a DOI.
std::string_view RisTagOfField(int field, std::string_view value = {});

// How the writer splits a field's value into lines: the join of its tag.
RisJoin RisJoinOfField(int field);

// The RIS code of a type name from the handheld's popup ("Journal" gives
// "JOUR"); empty for anything else, codes included.
std::string_view RisCodeOfTypeName(std::string_view name);

// Types whose T2 is a journal's name, and types that are whole books.
bool RisIsJournalType(std::string_view code);
bool RisIsWholeBookType(std::string_view code);

}  // namespace tk
