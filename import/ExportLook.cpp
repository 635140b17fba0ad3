#include "import/ExportLook.h"

#include "fields/FieldCatalogue.h"
#include "platform/Charset.h"
#include "platform/Files.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace tk {
namespace {

// Pictures, PDF, zip (and so .docx) and the old Office files; most others
// give themselves away by a NUL byte.
constexpr std::array<std::string_view, 6> kBinarySignatures{
    "\x89PNG", "\xFF\xD8\xFF", "GIF8", "%PDF", "PK\x03\x04", "\xD0\xCF\x11\xE0"};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view FirstLine(std::string_view text) {
  return text.substr(0, text.find_first_of("\r\n"));
}

bool SameLetters(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

bool IsEndNoteFieldName(std::string_view word) {
  while (!word.empty() && IsBlank(word.front())) word.remove_prefix(1);
  while (!word.empty() && IsBlank(word.back())) word.remove_suffix(1);
  for (int n = 1; n <= InfoOf(Mode::EndNote).fieldCount; ++n) {
    if (SameLetters(word, FieldLabel(Mode::EndNote, n)) ||
        SameLetters(word, FieldLongName(Mode::EndNote, n))) {
      return true;
    }
  }
  return false;
}

// Two or more of its tab-separated values name EndNote fields, and nothing
// ends a record on it: a header row, not a reference.
bool IsHeaderRow(std::string_view line) {
  if (line.find('\t') == std::string_view::npos || line.find('\xB0') != std::string_view::npos) {
    return false;
  }
  int names = 0;
  for (std::size_t start = 0; start <= line.size();) {
    const std::size_t tab = std::min(line.find('\t', start), line.size());
    if (IsEndNoteFieldName(line.substr(start, tab - start))) ++names;
    start = tab + 1;
  }
  return names >= 2;
}

bool IsTaggedLine(std::string_view line) {
  return line.size() >= 2 && line[0] == '%' && line[1] != ' ' &&
         (line.size() == 2 || line[2] == ' ');
}

}  // namespace

ExportLook LookAtExportBytes(std::string_view head) {
  for (std::string_view signature : kBinarySignatures) {
    if (head.starts_with(signature)) return ExportLook::NotText;
  }
  if (head.find('\0') != std::string_view::npos) return ExportLook::NotText;
  if (head.starts_with(kUtf8ByteOrderMark)) head.remove_prefix(kUtf8ByteOrderMark.size());
  const std::size_t start =
      std::find_if_not(head.begin(), head.end(), IsBlank) - head.begin();
  if (start == head.size()) return ExportLook::Empty;
  // Leading blank lines are no part of the first record.
  const std::string_view first = FirstLine(head.substr(head.rfind('\n', start) + 1));
  if (first.starts_with("TY  -")) return ExportLook::Ris;
  if (first.starts_with("%0 ") || IsTaggedLine(first)) return ExportLook::EndNoteTagged;
  if (IsHeaderRow(FirstLine(head))) return ExportLook::TabHeader;
  // In Windows-1252 or, as C2 B0, in UTF-8 alike.
  if (head.find('\xB0') != std::string_view::npos) return ExportLook::EndNoteTab;
  return ExportLook::Text;
}

ExportLook LookAtExport(const std::string& path) {
  InputFile in;
  if (!in.open(path)) return ExportLook::Text;
  std::string head;
  for (auto chunk = in.buffered(); !chunk.empty() && head.size() < kLookLength;
       chunk = in.buffered()) {
    const std::size_t take = std::min(chunk.size(), kLookLength - head.size());
    head.append(chunk.substr(0, take));
    in.consume(take);
  }
  return LookAtExportBytes(head);
}

}  // namespace tk
