#include "jconv5/pdb/JFileAppInfo.h"

#include "jconv5/pdb/ByteIo.h"
#include "jconv5/pdb/Failure.h"
#include "jconv5/pdb/Limits.h"
#include "jconv5/pdb/Messages.h"

namespace jconv5 {

namespace {

constexpr std::size_t kFieldSlots = kMaxFields;
constexpr std::size_t kNameSlot = 21;
constexpr std::size_t kTypesAt = 1050;
constexpr std::size_t kFieldCountAt = 1150;
constexpr std::size_t kMarkerAt = 1152;
constexpr std::size_t kWidthsAt = 1154;
constexpr std::size_t kRecordViewWidthAt = 1254;
constexpr std::size_t kSortFieldsAt = 1256;
constexpr std::size_t kOldFlagsAt = 1298;
constexpr std::size_t kFirstColumnAt = 1300;
constexpr std::size_t kExtraDataAt = 1302;
constexpr std::size_t kExtraData2At = 1502;
constexpr std::uint16_t kUnusedType = 1;
constexpr std::int16_t kUnusedWidth = 80;
// An empty string would end the chunk, so an empty popup item is this byte.
constexpr char kEmptyItem = 0x07;
constexpr std::string_view kGroupWord = "popup";

void RequireNoNul(std::string_view text, const std::string& what) {
  if (text.find('\0') != std::string_view::npos)
    throw Failure(what + " holds a zero byte, which JFile can't store");
}

void WriteFixedPart(const JFileAppInfo& info, std::string& out) {
  const std::size_t n = info.fields.size();
  for (std::size_t i = 0; i < kFieldSlots; ++i)
    PutPadded(out,
              i < n ? std::string_view(info.fields[i].name).substr(0, kMaxFieldNameLength) : "",
              kNameSlot);
  for (std::size_t i = 0; i < kFieldSlots; ++i)
    PutU16(out, i < n ? info.fields[i].type : kUnusedType);
  PutU16(out, static_cast<unsigned>(n));
  PutU16(out, kAppInfoMarker);
  for (std::size_t i = 0; i < kFieldSlots; ++i)
    PutU16(out, static_cast<std::uint16_t>(i < n ? info.fields[i].columnWidth : kUnusedWidth));
  PutU16(out, static_cast<std::uint16_t>(info.recordViewWidth));
  for (std::uint16_t sortField : info.sortFields) PutU16(out, sortField);
  PutU16(out, 0);        // last find field
  PutU16(out, 0);        // last filter field
  out.append(32, '\0');  // last find and filter strings
  PutU16(out, info.oldFlags);
  PutU16(out, info.firstColumn);
  for (std::size_t i = 0; i < kFieldSlots; ++i) PutU32(out, i < n ? info.fields[i].extraData : 0);
  for (std::size_t i = 0; i < kFieldSlots; ++i) PutU32(out, i < n ? info.fields[i].extraData2 : 0);
}

void WritePopupChunk(const JFileAppInfo& info, std::string& out) {
  if (info.popups.empty()) {
    out.append(4, '\0');
    return;
  }
  for (const PopupList& list : info.popups) {
    char letter = JFileFieldLetter(list.column);
    if (letter == 0 || list.column > static_cast<int>(info.fields.size()))
      throw Failure("a popup list is given for column " + std::to_string(list.column) +
                    ", but the database has " + std::to_string(info.fields.size()) + " columns");
    out.append(kGroupWord);
    out.push_back(letter);
    out.push_back('\0');
    for (const std::string& item : list.items) {
      RequireNoNul(item, "a popup item of column " + std::to_string(list.column));
      if (item.empty())
        out.push_back(kEmptyItem);
      else
        out.append(item);
      out.push_back('\0');
    }
  }
  out.push_back('\0');
}

// Group headers are "popup" and a field letter; every other string belongs to
// the group before it. Strings before the first group, and groups of
// letters beyond the database's fields, are of no use and are dropped.
void ReadPopupChunk(std::string_view chunk, std::size_t fieldCount, JFileAppInfo& info) {
  std::size_t at = 0;
  PopupList* current = nullptr;
  while (at < chunk.size()) {
    std::size_t end = chunk.find('\0', at);
    if (end == std::string_view::npos) return;  // cut short: keep what was whole
    std::string_view text = chunk.substr(at, end - at);
    at = end + 1;
    if (text.empty()) return;
    int column = 0;
    if (text.size() == kGroupWord.size() + 1 && text.substr(0, kGroupWord.size()) == kGroupWord)
      column = JFileLetterColumn(text.back());
    if (column > 0) {
      current = nullptr;
      if (static_cast<std::size_t>(column) > fieldCount) continue;
      info.popups.push_back(PopupList{column, {}});
      current = &info.popups.back();
    } else if (current) {
      current->items.push_back(text == std::string_view(&kEmptyItem, 1) ? std::string()
                                                                        : std::string(text));
    }
  }
}

}  // namespace

char JFileFieldLetter(int column) {
  if (column >= 1 && column <= 26) return static_cast<char>('a' + column - 1);
  if (column >= 27 && column <= kMaxFields) return static_cast<char>('A' + column - 27);
  return 0;
}

int JFileLetterColumn(char letter) {
  if (letter >= 'a' && letter <= 'z') return letter - 'a' + 1;
  if (letter >= 'A' && letter < 'A' + (kMaxFields - 26)) return letter - 'A' + 27;
  return 0;
}

std::string WriteAppInfo(const JFileAppInfo& info) {
  if (info.fields.empty() || info.fields.size() > kFieldSlots)
    throw Failure(ColumnCountText(info.fields.size()));
  for (std::size_t i = 0; i < info.fields.size(); ++i)
    RequireNoNul(info.fields[i].name, "the name of column " + std::to_string(i + 1));
  std::string out;
  out.reserve(kAppInfoFixedSize + 64);
  WriteFixedPart(info, out);
  WritePopupChunk(info, out);
  out += info.trailer;
  return out;
}

JFileAppInfo ReadAppInfo(std::string_view block) {
  if (block.size() < kAppInfoFixedSize)
    throw Failure(AppInfoTooShortText(block.size(), kAppInfoFixedSize));
  if (GetU16(block, kMarkerAt) != kAppInfoMarker)
    throw Failure(NoAppInfoMarkerText(kAppInfoMarker, kMarkerAt));
  const std::size_t n = GetU16(block, kFieldCountAt);
  if (n < 1 || n > kFieldSlots) throw Failure(ClaimedFieldsText(n));
  JFileAppInfo info;
  info.fields.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    JFileField& field = info.fields[i];
    field.name = GetPadded(block, kNameSlot * i, kMaxFieldNameLength + 1);
    field.type = GetU16(block, kTypesAt + 2 * i);
    field.columnWidth = static_cast<std::int16_t>(GetU16(block, kWidthsAt + 2 * i));
    field.extraData = GetU32(block, kExtraDataAt + 4 * i);
    field.extraData2 = GetU32(block, kExtraData2At + 4 * i);
  }
  info.recordViewWidth = static_cast<std::int16_t>(GetU16(block, kRecordViewWidthAt));
  for (std::size_t i = 0; i < 3; ++i) info.sortFields[i] = GetU16(block, kSortFieldsAt + 2 * i);
  info.oldFlags = GetU16(block, kOldFlagsAt);
  info.firstColumn = GetU16(block, kFirstColumnAt);
  ReadPopupChunk(block.substr(kAppInfoFixedSize), n, info);
  return info;
}

}  // namespace jconv5
