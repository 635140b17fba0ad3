// The tag-line scanner under every reader of a tagged export: the events it
// tells for the bytes of a file, written out as text so a failure shows the
// whole line history.
#include "fields/EndNoteTags.h"
#include "fields/RisTags.h"
#include "import/TagLines.h"
#include "mock/FakeUi.h"
#include "mock/TempFolder.h"
#include "platform/Charset.h"

#include <gtest/gtest.h>

#include <string>

namespace tk {
namespace {

// Each event as a short mark: [head] a tag line, <text> a text line, |
// the line's end, _ a blank line, ! a lost character, $ the end.
class EventLog final : public TagLineEvents {
public:
  void tagLine(std::string_view head) override { log += "[" + std::string(head) + "]"; }
  void textLine() override { log += "<text>"; }
  void value(std::string_view bytes) override { log += bytes; }
  void lostCharacter() override { log += "!"; }
  void lineEnd() override { log += "|"; }
  void blankLine() override { log += "_"; }
  void end() override { log += "$"; }
  std::string log;
};

std::string Events(const TagHeadRule& rule, const std::string& bytes, bool marked = false) {
  const std::optional<char> mark = marked ? std::optional(kReplacedMark) : std::nullopt;
  test::TempFolder folder;
  const std::string path = folder.file("in.txt");
  test::WriteBytes(path, bytes);
  InputFile in;
  EXPECT_TRUE(in.open(path));
  test::FakeUi ui;
  MessagePump pump(ui);
  EventLog events;
  TagLineScanner scanner(rule, mark, events);
  scanner.scan(in, pump);
  scanner.finish();
  return events.log;
}

TEST(tag_lines_test, ris_lines_become_events) {
  const struct {
    const char* behaviour;
    std::string bytes, events;
  } cases[] = {
      {"one or two blanks before the hyphen; the blanks after it are no value",
       "TY  - JOUR\r\nDO  -  10.1/x \r\nTI - One\r\nER  - ",
       "[TY  - ]JOUR|[DO  - ]10.1/x |[TI - ]One|[ER  - ]|$"},
      {"a tag without its blank at the end of a line, or at the end of the file", "TY  -\nER -",
       "[TY  -]|[ER -]|$"},
      {"CR LF, LF and a lone CR each end one line; an empty line is blank",
       "A1  - a\r\n\r\nA1  - b\n\nA1  - c\r\rx", "[A1  - ]a|_[A1  - ]b|_[A1  - ]c|_<text>x|$"},
      {"text: blanks first are dropped, blanks alone make a blank line",
       "  more text\t\n \t \nab\n", "<text>more text\t|_<text>ab|$"},
      {"a hyphen glued to its value, or a blank missing, is text", "T1  -glued\nT1- x\nT  - x\n",
       "<text>T1  -glued|<text>T1- x|<text>T  - x|$"},
      {"any tag of two letters or digits is a tag line, in any letter case",
       "t1  - lower\nX9 - odd\n", "[t1  - ]lower|[X9 - ]odd|$"},
      {"a byte-order mark is dropped, half of one is text", "\xEF\xBB\xBFTY  - A\n\xEF\xBB",
       "[TY  - ]A|<text>\xEF\xBB|$"},
      {"a byte-order mark only at the very start", "\xEF\xBB\nTY  - B",
       "<text>\xEF\xBB|[TY  - ]B|$"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Events(kRisHeadRule, c.bytes), c.events) << c.behaviour;
  }
}

TEST(tag_lines_test, percent_lines_become_events) {
  EXPECT_EQ(Events(kEndNoteHeadRule, "%0 Book\n%T  Two  blanks\n%20 of all\n% x\n%Z\n\n%K a"),
            "[%0 ]Book|[%T ]Two  blanks|<text>%20 of all|<text>% x|[%Z]|_[%K ]a|$");
}

// Only a transcoded input marks its lost characters; elsewhere the byte is
// Windows-1252's own.
TEST(tag_lines_test, a_lost_character_is_told_once_as_a_question_mark) {
  const std::string mark(1, kReplacedMark);
  EXPECT_EQ(Events(kRisHeadRule, "TI  - a" + mark + "b\n" + mark + "\n", true),
            "[TI  - ]a?!b|<text>?!|$");
  EXPECT_EQ(Events(kRisHeadRule, "TI  - a" + mark + "\n", false), "[TI  - ]a" + mark + "|$");
}

// Long lines stream through: the scanner holds no more than a tag head.
TEST(tag_lines_test, lines_of_any_length_stream_through) {
  const std::string huge(200000, 'v');
  EXPECT_EQ(Events(kRisHeadRule, "N2  - " + huge + "\n" + huge),
            "[N2  - ]" + huge + "|<text>" + huge + "|$");
}

}  // namespace
}  // namespace tk
