#pragma once
// What an export file looks like from its first bytes, so a mode picks its
// reader by content (never by name) and a file that is no export of the
// mode is refused with a reason instead of becoming junk records. The tests
// here read the text as text: a tag line is one by its format's head rule,
// and EndNote's record end counts only as the character "°" of the file's
// own character set, never as a byte inside another character.
#include "import/ImportRun.h"

#include <cstddef>
#include <string_view>

namespace tk {

enum class ExportLook {
  Empty,          // no bytes, or blanks alone
  NotText,        // NUL bytes or a picture's signature: no export has them
  Ris,            // a line "TY  - " (or "TY - ") opens a record
  EndNoteTagged,  // "%0 Journal Article" and its kin
  TabHeader,      // a first line of tab-separated field names
  EndNoteTab,     // text holding EndNote's record end, the degree sign
  Text,           // anything else: a ProCite export, or prose
};

// How far the look reaches: far enough for a header row, a preamble or a
// blank line before the first tag, little enough to cost nothing.
inline constexpr std::size_t kLookLength = 4096;

// The first bytes of an export as the tests below see them.
struct ExportHead {
  std::string_view bytes;      // as read, at most kLookLength, after a byte-order mark
  std::string_view text;       // after a byte-order mark and leading blank lines
  std::string_view firstLine;  // of text
  bool utf8 = false;           // the file is read as UTF-8
};
ExportHead HeadOfExport(std::string_view bytes, InputText text);

bool LooksBinary(const ExportHead& head);
bool HoldsOnlyBlanks(const ExportHead& head);
// Its first line is a RIS type line.
bool OpensWithRisRecord(const ExportHead& head);
// Its first line is a `%` tag line, %0 or another (a catalogue's %T).
bool OpensWithPercentTag(const ExportHead& head);
// Two or more of its first line's tab-separated values name EndNote fields,
// and no record ends on it.
bool OpensWithHeaderRow(const ExportHead& head);
// A line of it is a RIS type line followed by a tag line, after a preamble
// ("Provider: …", "1.").
bool HoldsRisRecord(const ExportHead& head);
bool HoldsRecordEnd(const ExportHead& head);
inline bool AnyText(const ExportHead&) { return true; }

}  // namespace tk
