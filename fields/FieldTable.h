#pragma once
// The field table: what the user chose for each field of the current mode.
#include <array>
#include <cstdint>

namespace tk {

// JFile field type codes, written unchanged into the IFO file.
inline constexpr std::int32_t kTypeString = 1;
inline constexpr std::int32_t kTypePopup = 64;
inline constexpr std::int32_t kTypeMultiPopup = 81;

inline bool IsPopupType(std::int32_t fldType) {
  return fldType == kTypePopup || fldType == kTypeMultiPopup;
}

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

// The one process-wide field table.
extern std::array<FldDef, kFieldTableSize> FldTable;

}  // namespace tk
