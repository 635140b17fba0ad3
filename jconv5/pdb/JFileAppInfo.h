#pragma once
// JFile's application info block: the database's columns (names, types,
// widths, extra data), its view settings and the popup lists. JFile 4 and
// JFile 5 share it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace jconv5 {

inline constexpr std::size_t kAppInfoFixedSize = 1702;
inline constexpr std::uint16_t kAppInfoMarker = 576;

struct JFileField {
  std::string name;               // at most 20 bytes are stored
  std::uint16_t type = 1;         // 1 text, 64 popup, 81 multiple-choice popup ...
  std::int16_t columnWidth = 80;  // list view, pixels; 0 hides, negative locks
  std::uint32_t extraData = 0;
  std::uint32_t extraData2 = 0;
};

struct PopupList {
  int column = 0;                  // 1-based
  std::vector<std::string> items;  // display order; empty items allowed
};

struct JFileAppInfo {
  std::vector<JFileField> fields;  // 1 to 50
  std::int16_t recordViewWidth = 110;
  std::uint16_t sortFields[3] = {0, 0, 0};
  std::uint16_t oldFlags = 0;
  std::uint16_t firstColumn = 1;
  std::vector<PopupList> popups;
  // Written after the extra-data chunk, where older JFiles kept
  // "EndJFileData"; JFile 5 ignores these bytes and the reader skips them.
  std::string trailer;
};

// JFile's letter for a column: a-z for 1-26, A-X for 27-50; 0 outside.
char JFileFieldLetter(int column);
// The column of a JFile letter; 0 for any other character.
int JFileLetterColumn(char letter);

// Throws Failure when the block can't express the fields (none or more than
// 50, a name or popup item holding a NUL byte, a popup column outside them).
std::string WriteAppInfo(const JFileAppInfo& info);
// Throws Failure when the block is too short, lacks JFile's marker or
// announces an impossible number of fields. A popup chunk cut short is read
// as far as it goes.
JFileAppInfo ReadAppInfo(std::string_view block);

}  // namespace jconv5
