#pragma once
// The database description (.IFO) that Tomekit writes beside its CSV: JFile
// settings per column and for the database, and the popup word lists.
#include "jconv5/pdb/JFileAppInfo.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace jconv5 {

struct IfoDescription {
  std::vector<std::uint16_t> types;        // line 2, one per column
  std::vector<std::int16_t> columnWidths;  // line 3
  std::int16_t recordViewWidth = 110;      // line 4
  std::uint16_t firstColumn = 1;           // line 5
  std::uint16_t oldFlags = 0;              // line 6
  std::vector<std::uint32_t> extraData;    // line 7
  std::vector<std::uint32_t> extraData2;   // line 8
  std::string trailer;                     // line 9, decoded from hex
  // "popupX" sections, columns numbered from 1, words as they stand (not
  // yet cut to JFile's limits).
  std::vector<PopupList> popups;
};

// The column an IFO section letter names: a-z for 1-26, then B, C ... for 27,
// 28 ... (the character with code 39 + column); 0 for any other character.
int IfoLetterColumn(char letter);

// Throws Failure naming the IFO line for anything it can't take: a first
// line other than JFile5, a number out of range, per-column lines that
// disagree on the number of columns, bad hex on line 9, a popup section for
// a column the description lacks or named twice, text outside a section.
IfoDescription ReadIfo(std::string_view text);

}  // namespace jconv5
