#include "fields/RisTags.h"

#include <array>
#include <iterator>

namespace tk {
namespace {

using J = RisJoin;
using R = RisRole;

constexpr RisTag kRisTags[] = {
    {"TY  - ", 1, J::Last, 0, R::Type},
    {"ID  - ", 2},
    {"T1  - ", 3},
    {"CT  - ", 3},
    {"TI  - ", 3, J::Last, 0, R::Plain, true},
    {"A1  - ", 4, J::Semicolon},
    {"AU  - ", 4, J::Semicolon},
    {"Y1  - ", 5},
    {"PY  - ", 5},
    {"DA  - ", 5, J::Last, 1, R::Plain, true},
    {"N1  - ", 6, J::Lines},
    {"AB  - ", 6, J::Lines, 0, R::Abstract, true},
    {"KW  - ", 7, J::Semicolon},
    {"RP  - ", 8},
    {"SP  - ", 9},
    {"EP  - ", 10},
    // The full name first, then T2 of a journal (kRisT2PeriodicalRank), then
    // the abbreviations, whatever order a file gives them in.
    {"JF  - ", 11},
    {"JO  - ", 11, J::Last, 2},
    {"JA  - ", 11, J::Last, 3},
    {"J1  - ", 11, J::Last, 3},
    {"J2  - ", 11, J::Last, 3},
    {"VL  - ", 12},
    {"T2  - ", 13, J::Last, 0, R::SecondaryTitle},
    {"BT  - ", 13, J::Last, 1, R::BookTitle, true},
    {"A2  - ", 14, J::List},
    {"ED  - ", 14, J::List},
    {"IS  - ", 15},
    {"CP  - ", 15},
    {"CY  - ", 16},
    {"PB  - ", 17},
    {"U1  - ", 18},
    {"U2  - ", 19},
    {"U3  - ", 20},
    {"U4  - ", 21},
    {"U5  - ", 22},
    {"T3  - ", 23},
    {"A3  - ", 24, J::List},
    {"N2  - ", 25},
    {"SN  - ", 26, J::List},
    {"AV  - ", 27, J::Last, 1},
    {"DO  - ", kRisDoiField, J::Last, 0, R::Plain, true, true},
    {"Y2  - ", 28},
    {"M1  - ", 29},
    {"M2  - ", 30},
    {"M3  - ", 31},
    {"AD  - ", 32, J::List},
    {"UR  - ", 33, J::List},
    {"ER  - ", kRisRecordEnd, J::Last, 0, R::End},
};

// The types of the handheld's popup and their RIS codes.
struct RisType {
  std::string_view name, code;
};
constexpr std::array<RisType, 33> kRisTypes{{
    {"Audiovisual Material", "ADVS"},
    {"Bill/Resolution", "BILL"},
    {"Book Chapter", "CHAP"},
    {"Book Whole", "BOOK"},
    {"Case", "CASE"},
    {"Catalog", "CTLG"},
    {"Computer Program", "COMP"},
    {"Conference Proceeding", "CONF"},
    {"Data File", "DATA"},
    {"Electronic Citation", "ELEC"},
    {"Generic", "GEN"},
    {"Hearing", "HEAR"},
    {"In Press", "INPR"},
    {"Internet Communication", "ICOMM"},
    {"Journal", "JOUR"},
    {"Journal (Full)", "JFULL"},
    {"Magazine Article", "MGZN"},
    {"Map", "MAP"},
    {"Motion Picture", "MPCT"},
    {"Music Score", "MUSIC"},
    {"Newspaper", "NEWS"},
    {"Pamphlet", "PAMP"},
    {"Patent", "PAT"},
    {"Personal Communication", "PCOMM"},
    {"Report", "RPRT"},
    {"Serial (BookMonograph)", "SER"},
    {"Slide", "SLIDE"},
    {"Sound Recording", "SOUND"},
    {"Statute", "STAT"},
    {"Thesis/Dissertation", "THES"},
    {"Unenacted Bill/Resolution", "UNBILL"},
    {"Unpublished Work", "UNPB"},
    {"Video Recording", "VIDEO"},
}};

constexpr std::array<std::string_view, 6> kJournalTypes{"JOUR", "JFULL", "EJOUR",
                                                        "MGZN", "NEWS",  "INPR"};
constexpr std::array<std::string_view, 4> kWholeBookTypes{"BOOK", "UNPB", "EBOOK", "EDBOOK"};

constexpr bool SameJoinForEveryTagOfAField() {
  for (const RisTag& a : kRisTags) {
    for (const RisTag& b : kRisTags) {
      if (a.field == b.field && a.join != b.join) return false;
    }
  }
  return true;
}

constexpr bool EveryFieldHasATag() {
  for (int field = 1; field <= kRisRecordEnd; ++field) {
    bool found = false;
    for (const RisTag& entry : kRisTags) found = found || entry.field == field;
    if (!found) return false;
  }
  return true;
}

constexpr bool NoTagTwice() {
  for (std::size_t i = 0; i < std::size(kRisTags); ++i) {
    for (std::size_t j = i + 1; j < std::size(kRisTags); ++j) {
      if (kRisTags[i].tag.substr(0, 2) == kRisTags[j].tag.substr(0, 2)) return false;
    }
  }
  return true;
}

static_assert([] {
  for (const RisTag& entry : kRisTags) {
    if (entry.tag.size() != kRisTagLength || entry.tag.substr(2) != "  - ") return false;
    if (entry.field < 1 || entry.field > kRisRecordEnd) return false;
  }
  return true;
}());
static_assert(SameJoinForEveryTagOfAField(), "the writer splits a field by its one join");
static_assert(EveryFieldHasATag(), "every field is written with a tag");
static_assert(NoTagTwice(), "a tag fills one field");
constexpr std::string_view kDoiTag = "DO  - ";
// A value of the DOI field that is no DOI goes out with the field's first tag.
static_assert([] {
  for (const RisTag& entry : kRisTags) {
    if (entry.field == kRisDoiField) return entry.tag != kDoiTag;
  }
  return false;
}());
static_assert([] {
  for (const RisType& type : kRisTypes) {
    if (type.code.empty() || type.code.size() > 6) return false;
  }
  return true;
}());

template <std::size_t N>
bool Holds(const std::array<std::string_view, N>& codes, std::string_view code) {
  for (std::string_view c : codes) {
    if (c == code) return true;
  }
  return false;
}

// A DOI starts "10.", bare or after a resolver's address.
bool IsDoi(std::string_view value) {
  return value.substr(0, 3) == "10." || value.find("doi.org/10.") != std::string_view::npos;
}

bool IsLetterOrDigit(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

}  // namespace

std::size_t RisTagHeadLength(std::string_view start, bool whole) {
  if (start.size() < 4 || !IsLetterOrDigit(start[0]) || !IsLetterOrDigit(start[1]) ||
      start[2] != ' ') {
    return 0;
  }
  const std::size_t hyphen = start[3] == ' ' ? 4 : 3;
  if (hyphen >= start.size() || start[hyphen] != '-') return 0;
  if (hyphen + 1 == start.size()) return whole ? hyphen + 1 : 0;
  return start[hyphen + 1] == ' ' ? hyphen + 2 : 0;
}

const RisTag* FindRisTag(std::string_view head) {
  if (head.size() < 2) return nullptr;
  for (const RisTag& entry : kRisTags) {
    if (entry.tag[0] == head[0] && entry.tag[1] == head[1]) return &entry;
  }
  return nullptr;
}

std::string_view RisTagOfField(int field, std::string_view value) {
  if (field == kRisRecordEnd) return {};
  if (field == kRisDoiField && IsDoi(value)) return kDoiTag;
  for (const RisTag& entry : kRisTags) {
    if (entry.field == field) return entry.tag;
  }
  return {};
}

RisJoin RisJoinOfField(int field) {
  for (const RisTag& entry : kRisTags) {
    if (entry.field == field) return entry.join;
  }
  return RisJoin::Last;
}

std::string_view RisCodeOfTypeName(std::string_view name) {
  for (const RisType& type : kRisTypes) {
    if (type.name == name) return type.code;
  }
  return {};
}

bool RisIsJournalType(std::string_view code) { return Holds(kJournalTypes, code); }
bool RisIsWholeBookType(std::string_view code) { return Holds(kWholeBookTypes, code); }

}  // namespace tk
