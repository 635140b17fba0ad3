#pragma once
// What JFile 5 and the Palm database format can hold. The converter refuses
// input beyond the hard limits and cuts names and popup lists to JFile's.
#include <cstddef>

namespace jconv5 {

inline constexpr int kMaxFields = 50;
inline constexpr std::size_t kMaxFieldNameLength = 20;
inline constexpr std::size_t kMaxDatabaseNameLength = 30;
inline constexpr std::size_t kMaxRecords = 65535;
inline constexpr std::size_t kMaxValueBytes = 4000;
// A Palm record must stay under 64 KB; JFile's own margin.
inline constexpr std::size_t kMaxRecordBytes = 64000;
inline constexpr std::size_t kMaxAppInfoBytes = 64000;
inline constexpr std::size_t kMaxPopupItems = 100;
// JFile documents 25 per item without saying whether its NUL counts.
inline constexpr std::size_t kMaxPopupItemLength = 24;
inline constexpr std::size_t kMaxPopupListChars = 2500;

}  // namespace jconv5
