#include "fields/EndNoteTags.h"

#include <array>
#include <iterator>

namespace tk {
namespace {

using J = RisJoin;

// Tags EndNote writes that none of the 31 fields takes (%+ address, %&
// section, %! short title, %~ database, %G language, …) are left out: the
// reader logs them as tags without a field.
constexpr EndNoteTag kEndNoteTags[] = {
    {'0', 1},                 // Reference Type
    {'A', 2, J::Semicolon},   // Author
    {'D', 3},                 // Year
    {'T', 4},                 // Title
    {'J', 5},                 // Journal: the secondary title of an article
    {'B', 5},                 // Secondary Title
    {'E', 6, J::Semicolon},   // Editor
    {'C', 7},                 // Place Published
    {'I', 8},                 // Publisher
    {'V', 9},                 // Volume
    {'N', 10},                // Number
    {'P', 11},                // Pages
    {'L', 12},                // Call Number
    {'K', 13, J::Semicolon},  // Keywords
    {'X', 14, J::Lines},      // Abstract
    {'Z', 15, J::Lines},      // Notes
    {'6', 16},                // Number of Volumes
    {'Y', 17, J::Semicolon},  // Tertiary Author
    {'S', 18},                // Tertiary Title
    {'7', 19},                // Edition
    {'8', 20},                // Date
    {'9', 21},                // Type of Work
    {'H', 22, J::Semicolon},  // Subsidiary Author (translator)
    {'Q', 23},                // Alternate Title
    {'@', 24, J::List},       // ISBN/ISSN
    {'M', 25},                // Accession Number
    {'F', 26},                // Label
    {'U', 27, J::List},       // URL
    {'R', 27, J::List, 1},    // DOI, a link like the URLs
    {'1', 28},                // Custom 1..4
    {'2', 29},
    {'3', 30},
    {'4', 31},
};

// By Reference Manager field (index), the EndNote field of the same meaning.
constexpr std::array<std::uint8_t, kRisRecordEnd> kFieldOfRisField{
    0,
    1,   // Ref Type
    25,  // Ref ID: EndNote's accession number
    4,   // Title 1
    2,   // Authors 1
    3,   // Pub Date 1
    15,  // Notes
    13,  // Keywords
    0,   // Reprint
    11,  // Start Page: pages start
    11,  // End Page: joined to it by the reader
    5,   // Periodical
    9,   // Volume
    5,   // Title 2
    6,   // Author 2
    10,  // Issue
    7,   // Pub Place
    8,   // Publisher
    28,  // User 1..5: Custom 1..4, then none
    29, 30, 31, 0,
    18,  // Title-Series
    17,  // Author-Series
    14,  // Abstract
    24,  // ISBN
    27,  // Availability, where a DOI lands
    20,  // Date 2
    0,   // Misc 1
    16,  // Misc 2: number of volumes
    21,  // Misc 3: type of work
    0,   // Address
    27,  // URL
};

struct TypeName {
  std::string_view code, name;
};
constexpr TypeName kTypeNames[] = {
    {"JOUR", "Journal Article"},
    {"JFULL", "Journal Article"},
    {"EJOUR", "Electronic Article"},
    {"BOOK", "Book"},
    {"EBOOK", "Electronic Book"},
    {"EDBOOK", "Edited Book"},
    {"CHAP", "Book Section"},
    {"CONF", "Conference Proceedings"},
    {"CPAPER", "Conference Paper"},
    {"THES", "Thesis"},
    {"RPRT", "Report"},
    {"ELEC", "Web Page"},
    {"GEN", "Generic"},
    {"NEWS", "Newspaper Article"},
    {"MGZN", "Magazine Article"},
    {"PAT", "Patent"},
    {"UNPB", "Unpublished Work"},
    {"MAP", "Map"},
    {"CASE", "Case"},
    {"STAT", "Statute"},
    {"BILL", "Bill"},
    {"HEAR", "Hearing"},
    {"COMP", "Computer Program"},
    {"PCOMM", "Personal Communication"},
    {"SOUND", "Audiovisual Material"},
    {"VIDEO", "Film or Broadcast"},
    {"MPCT", "Film or Broadcast"},
    {"ADVS", "Audiovisual Material"},
    {"ART", "Artwork"},
    {"DICT", "Dictionary"},
    {"ENCYC", "Encyclopedia"},
    {"GOVDOC", "Government Document"},
    {"MANSCPT", "Manuscript"},
    {"CHART", "Chart or Table"},
};

static_assert(
    [] {
      for (const EndNoteTag& a : kEndNoteTags) {
        if (a.field < 1 || a.field > 31) return false;
        for (const EndNoteTag& b : kEndNoteTags) {
          if (&a != &b && a.tag == b.tag) return false;
          if (a.field == b.field && a.join != b.join) return false;
        }
      }
      return true;
    }(),
    "a tag fills one field, and a field's repeats combine one way");

}  // namespace

std::size_t EndNoteTagHeadLength(std::string_view start, bool whole) {
  if (start.size() < 2 || start[0] != '%' || start[1] == ' ' || start[1] == '\t') return 0;
  if (start.size() == 2) return whole ? 2 : 0;
  return start[2] == ' ' ? 3 : 0;
}

const EndNoteTag* FindEndNoteTag(char tag) {
  for (const EndNoteTag& entry : kEndNoteTags) {
    if (entry.tag == tag) return &entry;
  }
  return nullptr;
}

char EndNoteTagOfField(int field) {
  for (const EndNoteTag& entry : kEndNoteTags) {
    if (entry.field == field) return entry.tag;
  }
  return '\0';
}

char EndNoteSecondaryTitleTag(std::string_view type) {
  return type.ends_with("Article") ? 'J' : 'B';
}

char EndNoteTagOfLink(std::string_view link) {
  while (!link.empty() && link.front() == ' ') link.remove_prefix(1);
  return link.starts_with("10.") ? 'R' : 'U';
}

RisJoin EndNoteJoinOfField(int field) {
  for (const EndNoteTag& entry : kEndNoteTags) {
    if (entry.field == field) return entry.join;
  }
  return RisJoin::Last;
}

int EndNoteFieldOfRisField(int risField) {
  if (risField < 1 || risField >= kRisRecordEnd) return 0;
  return kFieldOfRisField[static_cast<std::size_t>(risField)];
}

std::string_view EndNoteTypeOfRisCode(std::string_view code) {
  for (const TypeName& type : kTypeNames) {
    if (type.code == code) return type.name;
  }
  return code;
}

}  // namespace tk
