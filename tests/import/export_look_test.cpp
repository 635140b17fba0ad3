// What an export looks like from its first bytes, whatever its name.
#include "import/ImportFormats.h"

#include <gtest/gtest.h>

#include <string>

namespace tk {
namespace {

TEST(export_look_test, first_bytes_tell_the_export) {
  using L = ExportLook;
  const struct {
    const char* behaviour;
    std::string head;
    ExportLook look;
    InputText text = InputText::Windows1252;
  } cases[] = {
      {"blank lines alone", " \r\n\n\t", L::Empty},
      {"a NUL byte deep in text", "%0 Book\n%T x" + std::string(1, '\0'), L::NotText},
      {"a PDF, though it starts with %", "%PDF-1.4\n", L::NotText},
      {"RIS after a byte-order mark and blank lines", "\xEF\xBB\xBF\r\n\r\nTY  - JOUR\r\n", L::Ris},
      {"RIS after a preamble line", "Provider: x\r\n\r\nTY  - JOUR\r\n\r\nTI  - t\r\n", L::Ris},
      {"a tag line other than the type opens no RIS file", "AU  - Doe\r\nprose\r\n", L::Text},
      {"a later type line alone is no RIS", "Title\nTY - JOUR\nnot a tag\n", L::Text},
      {"0xB0 inside a Chinese character is no record end in UTF-8", "Title\n\xE8\xB5\xB0\n",
       L::Text, InputText::Utf8},
      {"the same bytes read as Windows-1252 hold one", "Title\n\xE8\xB5\xB0\n", L::EndNoteTab},
      {"EndNote Export without %0 first", "\n%A Doe\n%T x\n", L::EndNoteTagged},
      {"a percentage is prose", "%20 of all\n", L::Text},
      {"a header row of labels and long names", "Reference Type\tAuthor\tyear\tSecondary Title\r\n",
       L::TabHeader},
      {"two names make a header row, the last field's among them", "Author\tCustom 4\r\n",
       L::TabHeader},
      {"an indented tag is prose", "\r\n  %0 Book\r\n", L::Text},
      {"a reference naming one field is no header", "Book\tDoe\tTitle\t\r\nx\xB0", L::EndNoteTab},
      {"a record end in UTF-8", "Book\tDoe\xC2\xB0", L::EndNoteTab, InputText::Utf8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.behaviour);
    EXPECT_EQ(LookAtExportBytes(c.head, c.text), c.look);
  }
}

}  // namespace
}  // namespace tk
