#include "fields/RisTags.h"

#include <array>

namespace tk {
namespace {

struct RisTag {
  std::string_view tag;
  int field;
};

constexpr std::array<RisTag, 45> kRisTags{{
    {"TY  - ", 1},  {"ID  - ", 2},  {"T1  - ", 3},  {"CT  - ", 3},  {"A1  - ", 4},
    {"AU  - ", 4},  {"Y1  - ", 5},  {"PY  - ", 5},  {"N1  - ", 6},  {"AB  - ", 6},
    {"KW  - ", 7},  {"RP  - ", 8},  {"SP  - ", 9},  {"EP  - ", 10}, {"JF  - ", 11},
    {"JO  - ", 11}, {"JA  - ", 11}, {"J1  - ", 11}, {"J2  - ", 11}, {"VL  - ", 12},
    {"T2  - ", 13}, {"BT  - ", 13}, {"A2  - ", 14}, {"ED  - ", 14}, {"IS  - ", 15},
    {"CP  - ", 15}, {"CY  - ", 16}, {"PB  - ", 17}, {"U1  - ", 18}, {"U2  - ", 19},
    {"U3  - ", 20}, {"U4  - ", 21}, {"U5  - ", 22}, {"T3  - ", 23}, {"A3  - ", 24},
    {"N2  - ", 25}, {"SN  - ", 26}, {"AV  - ", 27}, {"Y2  - ", 28}, {"M1  - ", 29},
    {"M2  - ", 30}, {"M3  - ", 31}, {"AD  - ", 32}, {"UR  - ", 33}, {"ER  - ", kRisRecordEnd},
}};

static_assert([] {
  for (const RisTag& entry : kRisTags) {
    if (entry.tag.size() != kRisTagLength || entry.tag.substr(2) != "  - ") return false;
  }
  return true;
}());

}  // namespace

int RisFieldOfTag(std::string_view tag) {
  if (tag.size() < kRisTagLength || tag.substr(2, kRisTagLength - 2) != "  - ") return 0;
  for (const RisTag& entry : kRisTags) {
    if (entry.tag[0] == tag[0] && entry.tag[1] == tag[1]) return entry.field;
  }
  return 0;
}

std::string_view RisTagOfField(int field) {
  if (field == kRisRecordEnd) return {};
  for (const RisTag& entry : kRisTags) {
    if (entry.field == field) return entry.tag;
  }
  return {};
}

}  // namespace tk
