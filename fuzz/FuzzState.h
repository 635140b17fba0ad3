#pragma once
// A realistic state for the core's fuzz targets: a mode, its default
// strategy in the field table, and a selection and widths taken from the
// first bytes of the input, so one corpus explores many field choices.
#include "fields/DefaultStrategy.h"
#include "fields/FieldSetup.h"
#include "fields/StrategyFile.h"
#include "fuzz/Check.h"
#include "fuzz/FuzzInput.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace tk::fuzz {

// Reads the input's leading control bytes, one at a time.
class Controls {
public:
  Controls(const std::uint8_t*& data, std::size_t& size) : data_(data), size_(size) {}
  std::uint8_t next() { return size_ == 0 ? 0 : (--size_, *data_++); }

private:
  const std::uint8_t*& data_;
  std::size_t& size_;
};

// The mode's default strategy, then 6 control bytes: the selection (a field
// is dropped when its bit is set, so "all selected" stays easy to reach) and
// small widths now and then, so values get cut.
inline FieldSetup SetUpFields(std::int32_t mode, Controls& controls) {
  FieldSetup setup;
  setup.mode = mode;
  setup.fieldCount = FieldCountOf(mode);
  const auto lines = DefaultStrategyLines(mode);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    Check(!ParseStrategyLine(setup, lines[i], static_cast<int>(i)), "a default is not a number");
  }
  std::uint64_t bits = 0;
  for (int i = 0; i < 6; ++i) bits |= static_cast<std::uint64_t>(controls.next()) << (8 * i);
  const std::uint8_t widthByte = controls.next();
  for (int n = 1; n <= setup.fieldCount; ++n) {
    FldDef& field = setup.table[static_cast<std::size_t>(n)];
    field.selected = (bits >> (n - 1)) & 1 ? 0 : 1;
    if (widthByte & 0x80) field.maxWidth = 1 + (widthByte & 0x0F) * ((n % 3) + 1);
  }
  // The import refuses to run without a selected field.
  if (CountSelectedFields(setup) == 0) {
    setup.table[1].selected = 1;
    CountSelectedFields(setup);
  }
  return setup;
}

// Removes the files of the previous run (everything in the scratch folder).
inline void ClearScratch() {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(ScratchFolder(), ec)) {
    std::filesystem::remove_all(entry.path(), ec);
  }
}

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Nothing half-written: no temporary file of OutputFile remains.
inline void CheckNoPartFiles() {
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(ScratchFolder(), ec)) {
    const std::string name = entry.path().filename().string();
    Check(name.find(".tk-part") == std::string::npos, "a temporary file was left behind");
  }
}

// The CSV written for jconv5: CR LF lines, each a comma-separated list of
// items in double quotes, with quotes inside doubled, or no item at all when
// the record holds no value of a selected field. A comma may end a line: the
// comma rule counts the selected fields, not the values. Returns the number
// of lines, or -1 when the text breaks that form.
inline long CountWellQuotedLines(std::string_view csv) {
  long lines = 0;
  for (std::size_t i = 0; i < csv.size(); ++lines, i += 2) {
    for (bool item = csv[i] == '"'; item;) {
      for (++i; i < csv.size() && (csv[i] != '"' || csv.substr(i, 2) == "\"\"");
           i += csv[i] == '"' ? 2 : 1) {
        if (csv[i] == '\r' || csv[i] == '\n') return -1;
      }
      if (++i > csv.size()) return -1;  // no closing quote
      item = csv.substr(i, 2) == ",\"";
      if (csv.substr(i, 1) == ",") ++i;
    }
    if (csv.substr(i, 2) != "\r\n") return -1;
  }
  return lines;
}

}  // namespace tk::fuzz
