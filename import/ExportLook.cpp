#include "import/ExportLook.h"

#include "fields/EndNoteTags.h"
#include "fields/FieldCatalogue.h"
#include "fields/RisTags.h"
#include "platform/Charset.h"

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

// The degree sign in the file's own character set.
std::string_view RecordEnd(const ExportHead& head) { return head.utf8 ? "\xC2\xB0" : "\xB0"; }

bool HeadRuleTakes(const TagHeadRule& rule, std::string_view line) {
  const bool whole = line.size() <= rule.longest;
  return rule.headLength(line.substr(0, rule.longest), whole) > 0;
}

bool IsRisTypeLine(std::string_view line) {
  return line.starts_with("TY") && HeadRuleTakes(kRisHeadRule, line);
}

}  // namespace

ExportHead HeadOfExport(std::string_view bytes, InputText text) {
  if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());
  ExportHead head{bytes, bytes, {}, text == InputText::Utf8};
  std::string_view& rest = head.text;
  const std::size_t start = std::find_if_not(rest.begin(), rest.end(), IsBlank) - rest.begin();
  // Leading blank lines are no part of the first record; the blanks that
  // start its line are.
  const std::size_t lineStart = start == rest.size() ? start : rest.rfind('\n', start) + 1;
  rest.remove_prefix(std::min(lineStart, rest.size()));
  head.firstLine = FirstLine(rest);
  return head;
}

bool LooksBinary(const ExportHead& head) {
  for (std::string_view signature : kBinarySignatures) {
    if (head.bytes.starts_with(signature)) return true;
  }
  return head.bytes.find('\0') != std::string_view::npos;
}

bool HoldsOnlyBlanks(const ExportHead& head) {
  return std::all_of(head.text.begin(), head.text.end(), IsBlank);
}

bool OpensWithRisRecord(const ExportHead& head) { return IsRisTypeLine(head.firstLine); }

bool OpensWithPercentTag(const ExportHead& head) {
  return HeadRuleTakes(kEndNoteHeadRule, head.firstLine);
}

bool OpensWithHeaderRow(const ExportHead& head) {
  const std::string_view line = FirstLine(head.bytes);
  if (line.find('\t') == std::string_view::npos ||
      line.find(RecordEnd(head)) != std::string_view::npos) {
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

// A type line with a tag line after it, so that a line of prose in an
// abstract that happens to start "TY - " makes no RIS file.
bool HoldsRisRecord(const ExportHead& head) {
  bool afterType = false;
  for (std::string_view rest = head.text; !rest.empty();) {
    const std::string_view line = FirstLine(rest);
    rest.remove_prefix(std::min(line.size() + 1, rest.size()));
    if (std::all_of(line.begin(), line.end(), IsBlank)) continue;
    if (afterType) return HeadRuleTakes(kRisHeadRule, line);
    afterType = IsRisTypeLine(line);
  }
  return false;
}

bool HoldsRecordEnd(const ExportHead& head) {
  return head.bytes.find(RecordEnd(head)) != std::string_view::npos;
}

}  // namespace tk
