#pragma once
// Inputs for the converter's tests: IFO texts in Tomekit's layout, CSV lines
// in its dialect, big-endian reads to check written bytes by offset, and the
// text of a refusal.
#include "jconv5/pdb/Failure.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace jconv5::test {

inline unsigned U8(std::string_view bytes, std::size_t at) {
  return static_cast<unsigned char>(bytes.at(at));
}
inline unsigned U16(std::string_view bytes, std::size_t at) {
  return U8(bytes, at) << 8 | U8(bytes, at + 1);
}
inline std::uint32_t U32(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint32_t>(U16(bytes, at)) << 16 | U16(bytes, at + 2);
}
// The NUL-terminated text at an offset.
inline std::string CText(std::string_view bytes, std::size_t at) {
  return std::string(bytes.substr(at, bytes.find('\0', at) - at));
}

// The text of the Failure that call throws; "<accepted>" when it throws none.
template <class Call>
std::string FailureText(Call&& call) {
  try {
    call();
  } catch (const Failure& failure) {
    return failure.text();
  }
  return "<accepted>";
}

struct IfoSection {
  std::string header;  // "popupa"
  std::vector<std::string> words;
};

// An IFO as Tomekit writes it: CR LF between lines, none after the last.
inline std::string IfoText(const std::vector<int>& types, const std::vector<int>& widths,
                           const std::vector<IfoSection>& sections = {}, int recordViewWidth = 110,
                           int firstColumn = 1) {
  std::string t = "JFile5\r\n";
  for (int v : types) t += std::to_string(v) + " ";
  t += "\r\n";
  for (int v : widths) t += std::to_string(v) + " ";
  t +=
      "\r\n" + std::to_string(recordViewWidth) + "\r\n" + std::to_string(firstColumn) + "\r\n0\r\n";
  for (std::size_t i = 0; i < types.size(); ++i) t += "0 ";
  t += "\r\n";
  for (std::size_t i = 0; i < types.size(); ++i) t += "0 ";
  t += "\r\n456E644A46696C654461746100";
  for (const IfoSection& s : sections) {
    t += "\r\n" + s.header;
    for (const std::string& w : s.words) t += "\r\n" + w;
  }
  return t;
}

// n text columns of width 80.
inline std::string PlainIfo(std::size_t n) {
  return IfoText(std::vector<int>(n, 1), std::vector<int>(n, 80));
}

// One CSV line of Tomekit's dialect: items taken as already encoded.
inline std::string CsvLineOf(const std::vector<std::string>& items) {
  std::string line;
  for (std::size_t i = 0; i < items.size(); ++i) line += (i ? ",\"" : "\"") + items[i] + "\"";
  return line + "\r\n";
}

}  // namespace jconv5::test
