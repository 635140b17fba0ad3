#include "platform/IniFile.h"

#include "platform/Files.h"
#include "platform/Text.h"
#include "platform/Utf8Path.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace tk {
namespace {

// One line of the file as byte offsets: content is [start, contentEnd), the
// line end (if any) runs up to next.
struct LineSpan {
  std::size_t start;
  std::size_t contentEnd;
  std::size_t next;
};

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

// Where a key stands, or where it would go.
struct KeyPlace {
  bool sectionFound = false;
  std::optional<std::size_t> keyLine;  // index into the lines
  std::size_t insertAfter = 0;         // last key line or the section header
};

bool ReadWholeFile(const std::string& path, std::string& text) {
  InputFile in;
  // A FIFO or device would keep every read of a key waiting: the file is
  // taken as absent, and writes to it are refused.
  if (!in.open(path) || in.kind() != FileKind::Regular) return false;
  text.clear();
  for (int c = in.get(); c >= 0; c = in.get()) text += static_cast<char>(c);
  return !in.failed();
}

// A byte-order mark (Notepad writes one) is no part of the first line, so
// the first key or section is found; writing keeps it where it is.
std::vector<LineSpan> SplitLines(const std::string& text) {
  std::vector<LineSpan> lines;
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  std::size_t start =
      std::string_view(text).starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
  while (start < text.size()) {
    std::size_t lf = text.find('\n', start);
    if (lf == std::string::npos) {
      lines.push_back({start, text.size(), text.size()});
      break;
    }
    std::size_t end = (lf > start && text[lf - 1] == '\r') ? lf - 1 : lf;
    lines.push_back({start, end, lf + 1});
    start = lf + 1;
  }
  return lines;
}

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.empty() || line.front() != '[') return std::nullopt;
  auto close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

std::optional<KeyLine> ParseKeyLine(std::string_view line) {
  std::string_view trimmed = Trim(line);
  if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '[') return std::nullopt;
  auto eq = trimmed.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  return KeyLine{Trim(trimmed.substr(0, eq)), Trim(trimmed.substr(eq + 1))};
}

std::string_view LineText(const std::string& text, const LineSpan& span) {
  return std::string_view(text).substr(span.start, span.contentEnd - span.start);
}

// The first section of that name counts, and its first key of that name.
KeyPlace FindKey(const std::string& text, const std::vector<LineSpan>& lines,
                 std::string_view section, std::string_view key) {
  KeyPlace place;
  bool inSection = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = LineText(text, lines[i]);
    if (auto name = SectionName(line)) {
      if (inSection) break;
      if (!place.sectionFound && EqualsIgnoreCase(*name, section)) {
        place.sectionFound = inSection = true;
        place.insertAfter = i;
      }
      continue;
    }
    if (!inSection) continue;
    if (auto kv = ParseKeyLine(line)) {
      place.insertAfter = i;
      if (EqualsIgnoreCase(kv->key, key)) {
        place.keyLine = i;
        break;
      }
    }
  }
  return place;
}

std::optional<std::string> FindValue(const std::string& path, const std::string& section,
                                     const std::string& key) {
  std::string text;
  if (!ReadWholeFile(path, text)) return std::nullopt;
  auto lines = SplitLines(text);
  KeyPlace place = FindKey(text, lines, section, key);
  if (!place.keyLine) return std::nullopt;
  std::string_view value = ParseKeyLine(LineText(text, lines[*place.keyLine]))->value;
  return std::string(value.substr(0, IniFile::kMaxValueLength));
}

// A line break inside a value would split it into lines of its own.
std::string OneLine(const std::string& value) {
  std::string out;
  for (char c : value) {
    if (c != '\r' && c != '\n') out += c;
  }
  return out;
}

bool EndsWithLineEnd(const std::string& text) { return !text.empty() && text.back() == '\n'; }

bool LastLineIsBlank(const std::string& text, const std::vector<LineSpan>& lines) {
  return !lines.empty() && Trim(LineText(text, lines.back())).empty();
}

// The file's text with the key set: its line rewritten, or a line added at
// the end of its section, or the section added at the end of the file.
std::string WithKeySet(const std::string& text, const std::string& section, const std::string& key,
                       const std::string& value) {
  auto lines = SplitLines(text);
  KeyPlace place = FindKey(text, lines, section, key);
  if (place.keyLine) {
    const LineSpan& span = lines[*place.keyLine];
    std::string_view existingKey = ParseKeyLine(LineText(text, span))->key;
    std::string line = std::string(existingKey) + "=" + value;
    return text.substr(0, span.start) + line + text.substr(span.contentEnd);
  }
  const std::string keyLine = key + "=" + value + "\r\n";
  if (place.sectionFound) {
    const LineSpan& after = lines[place.insertAfter];
    std::string joint = after.next == after.contentEnd ? "\r\n" : "";
    return text.substr(0, after.next) + joint + keyLine + text.substr(after.next);
  }
  std::string out = text;
  if (!out.empty() && !EndsWithLineEnd(out)) out += "\r\n";
  if (!out.empty() && !LastLineIsBlank(text, lines)) out += "\r\n";
  return out + "[" + section + "]\r\n" + keyLine;
}

std::string FullPath(const std::string& path) {
  std::error_code ec;
  auto full = std::filesystem::absolute(std::filesystem::u8path(path), ec);
  return ec ? path : Utf8FromPath(full);
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int HexValue(char c) {
  if (c <= '9') return c - '0';
  return ToLowerAscii(c) - 'a' + 10;
}

}  // namespace

bool ParseIniInteger(const std::string& text, std::int32_t& value) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    std::uint64_t n = 0;
    for (std::size_t i = 2; i < text.size(); ++i) {
      if (!IsHexDigit(text[i])) return false;
      n = n * 16 + static_cast<std::uint64_t>(HexValue(text[i]));
      if (n > 0xFFFFFFFFu) return false;
    }
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(n));  // 0xFFFFFFFF is -1
    return true;
  }
  const auto number = ParseWholeNumber(text);
  if (number) value = *number;
  return number.has_value();
}

IniFile::IniFile(std::string path) : path_(std::move(path)) {}

std::string IniFile::readString(const std::string& section, const std::string& key,
                                const std::string& fallback) const {
  auto value = FindValue(path_, section, key);
  return value ? *value : fallback;
}

std::int32_t IniFile::readInteger(const std::string& section, const std::string& key,
                                  std::int32_t fallback) const {
  auto text = FindValue(path_, section, key);
  std::int32_t value = 0;
  return (text && ParseIniInteger(*text, value)) ? value : fallback;
}

bool IniFile::writeString(const std::string& section, const std::string& key,
                          const std::string& value) {
  std::string text;
  bool readable = ReadWholeFile(path_, text);
  // A file that exists but can't be read would lose its other keys.
  if (!readable && (FileExists(path_) || FolderExists(path_))) return false;
  if (!readable) text.clear();
  OutputFile out;
  if (!out.open(path_, LinkAtTarget::WriteThrough)) return false;
  out.write(WithKeySet(text, section, key, OneLine(value)));
  return out.commit();
}

bool IniFile::writeInteger(const std::string& section, const std::string& key, std::int32_t value) {
  return writeString(section, key, std::to_string(value));
}

std::string IniFile::fullPath() const { return FullPath(path_); }

}  // namespace tk
