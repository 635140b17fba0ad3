#pragma once
// Shared pieces of the converter's tests: expected bytes spelled out field by
// field as JFile lays them out (never produced by the code under test),
// Tomekit's IFO and CSV texts, and the text of a refusal.
#include "jconv5/pdb/Failure.h"
#include "jconv5/pdb/JFileAppInfo.h"

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

namespace jconv5::test {

using namespace std::string_literals;

// The items with sep between them.
inline std::string Joined(const std::vector<std::string>& items, const std::string& sep = "|") {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) out += (i ? sep : "") + items[i];
  return out;
}

inline std::string B16(unsigned v) { return {static_cast<char>(v >> 8), static_cast<char>(v)}; }
inline std::string B32(std::uint32_t v) { return B16(v >> 16) + B16(v & 0xFFFF); }
inline std::string Padded(std::string text, std::size_t width) { return text.resize(width), text; }
inline std::string Repeat(std::string s, std::size_t n) { return Joined(std::vector(n, s), ""); }

// The text of the Failure that call throws; else what call returns, or
// "<accepted>" when it returns nothing.
template <class Call>
std::string Outcome(Call&& call) {
  try {
    if constexpr (!std::is_void_v<decltype(call())>) return call();
    call();
  } catch (const Failure& failure) {
    return failure.text();
  }
  return "<accepted>";
}

// JFile's fixed appInfo part, 1702 bytes: names cut to 20 bytes, unused slots
// text fields of width 80; sort fields, last find and last filter zero.
inline std::string FixedPart(const std::vector<JFileField>& fields, int viewWidth,
                             unsigned oldFlags, unsigned firstColumn) {
  std::string names, types, widths, extra, extra2;
  for (std::size_t i = 0; i < 50; ++i) {
    const JFileField f = i < fields.size() ? fields[i] : JFileField{};
    names += Padded(f.name.substr(0, 20), 21);
    types += B16(f.type);
    widths += B16(f.columnWidth);
    extra += B32(f.extraData);
    extra2 += B32(f.extraData2);
  }
  return names + types + B16(fields.size()) + B16(576) + widths + B16(viewWidth) +
         std::string(42, '\0') + B16(oldFlags) + B16(firstColumn) + extra + extra2;
}

// An IFO as Tomekit writes it (CR LF between lines, none after the last) for
// n text columns of width 80, the trailer "EndJFileData\0", then more lines.
inline std::string Ifo(std::size_t n, const std::vector<std::string>& sections = {}) {
  return "JFile5\r\n" + Repeat("1 ", n) + "\r\n" + Repeat("80 ", n) + "\r\n110\r\n1\r\n0\r\n" +
         Repeat("0 ", n) + "\r\n" + Repeat("0 ", n) + "\r\n456E644A46696C654461746100" +
         (sections.empty() ? "" : "\r\n" + Joined(sections, "\r\n"));
}

// One CSV line of Tomekit's dialect, the items taken as already encoded.
inline std::string CsvLineOf(const std::vector<std::string>& items) {
  return '"' + Joined(items, "\",\"") + "\"\r\n";
}
// A CSV header of n > 0 columns, each named F.
inline std::string Header(std::size_t n) { return CsvLineOf(std::vector<std::string>(n, "F")); }

}  // namespace jconv5::test
