#pragma once
// The field table: what the user chose for each field of a mode, and the
// limits that every reader and writer of field values keeps to.
#include "platform/Charset.h"  // kLineBreakMark

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tk {

// JFile field type codes, written unchanged into the IFO file.
inline constexpr std::int32_t kTypeString = 1;
inline constexpr std::int32_t kTypePopup = 64;
inline constexpr std::int32_t kTypeMultiPopup = 81;

inline bool IsPopupType(std::int32_t fldType) {
  return fldType == kTypePopup || fldType == kTypeMultiPopup;
}
// The types the field attributes offer; no other is ever written.
inline bool IsKnownType(std::int32_t fldType) {
  return fldType == kTypeString || IsPopupType(fldType);
}

// The widths a field's width box accepts.
inline constexpr int kMinFieldWidth = 5;
inline constexpr int kMaxFieldWidth = 3990;

struct FldDef {
  std::int32_t fldType = 0;
  std::int32_t colWidth = 0;
  std::int32_t maxWidth = 0;
  std::uint8_t selected = 0;
  char popupLetter = 0;
};

// Entries 1..47 are fields; entry 0 is never a field.
inline constexpr int kFieldTableSize = 48;
inline constexpr int kMaxFieldCount = 47;
using FieldTable = std::array<FldDef, kFieldTableSize>;

// Popup word lists by field number; list 0 and those past the last field
// are kept but never shown.
inline constexpr int kPopupListCount = 51;
using PopupLists = std::vector<std::vector<std::string>>;
// Most words a list holds when it is read or edited.
inline constexpr int kMaxPopupWords = 100;
// Most words a list keeps when it is written out longer than that, and most
// words a database description carries.
inline constexpr int kMaxPopupWordsWritten = 99;
// Most characters the words of one list may take in the attributes dialog.
inline constexpr int kMaxWordListChars = 1990;

}  // namespace tk
