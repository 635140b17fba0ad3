#include "jconv5/Jconv5Fixtures.h"
#include "jconv5/pdb/Failure.h"
#include "jconv5/pdb/Ifo.h"

#include <gtest/gtest.h>

namespace jconv5 {
namespace {

using test::IfoText;
using Words = std::vector<std::string>;

TEST(ifo_reader_test, reads_tomekits_description) {
  std::string text =
      IfoText({64, 1, 81}, {15, 80, 0}, {{"popupa", {"Book", "", "Journal"}}, {"popupc", {}}});
  IfoDescription ifo = ReadIfo(text);
  EXPECT_EQ(ifo.types, (std::vector<std::uint16_t>{64, 1, 81}));
  EXPECT_EQ(ifo.columnWidths, (std::vector<std::int16_t>{15, 80, 0}));
  EXPECT_EQ(ifo.recordViewWidth, 110);
  EXPECT_EQ(ifo.firstColumn, 1);
  EXPECT_EQ(ifo.oldFlags, 0);
  EXPECT_EQ(ifo.extraData, (std::vector<std::uint32_t>{0, 0, 0}));
  EXPECT_EQ(ifo.trailer, std::string("EndJFileData\0", 13));
  ASSERT_EQ(ifo.popups.size(), 2u);
  EXPECT_EQ(ifo.popups[0].column, 1);
  EXPECT_EQ(ifo.popups[0].items, (Words{"Book", "", "Journal"}));
  EXPECT_EQ(ifo.popups[1].column, 3);
  EXPECT_TRUE(ifo.popups[1].items.empty());
}

TEST(ifo_reader_test, section_letters_after_z_start_at_B) {
  EXPECT_EQ(IfoLetterColumn('a'), 1);
  EXPECT_EQ(IfoLetterColumn('z'), 26);
  EXPECT_EQ(IfoLetterColumn('B'), 27);
  EXPECT_EQ(IfoLetterColumn('V'), 47);
  EXPECT_EQ(IfoLetterColumn('Y'), 50);
  EXPECT_EQ(IfoLetterColumn('A'), 0);
  EXPECT_EQ(IfoLetterColumn('Z'), 0);
  std::string text =
      IfoText(std::vector<int>(27, 64), std::vector<int>(27, 80), {{"popupB", {"x"}}});
  ASSERT_EQ(ReadIfo(text).popups.size(), 1u);
  EXPECT_EQ(ReadIfo(text).popups[0].column, 27);
}

TEST(ifo_reader_test, a_line_end_after_the_last_word_adds_an_empty_word) {
  std::string text = IfoText({64}, {80}, {{"popupa", {"Book"}}}) + "\r\n";
  EXPECT_EQ(ReadIfo(text).popups[0].items, (Words{"Book", ""}));
  EXPECT_TRUE(ReadIfo(IfoText({1}, {80}) + "\r\n").popups.empty())
      << "blank lines before any section";
}

void ExpectRefused(const std::string& text, const std::string& message) {
  EXPECT_EQ(test::FailureText([&] { ReadIfo(text); }), message) << text;
}

TEST(ifo_reader_test, refusals_name_the_line) {
  std::string good = IfoText({1, 1}, {80, 80});
  ExpectRefused("JFile4" + good.substr(6),
                "IFO line 1: \"JFile5\" expected; this is not a JFile description");
  ExpectRefused(good.substr(0, 30), "IFO file: it has 6 lines; a description takes at least 9");
  ExpectRefused(IfoText({1, 1}, {80}),
                "IFO line 3: 1 column widths for the 2 columns that line 2 gives field types for");
  ExpectRefused(IfoText({1, 70000}, {80, 80}), "IFO line 2: 70000 is outside the range 0 to 65535");
  ExpectRefused(IfoText({1, 1}, {80, 80}, {}, 0x7FFF + 1),
                "IFO line 4: 32768 is outside the range -32768 to 32767");
  std::string notNumber = good;
  notNumber.replace(notNumber.find("1 1 "), 4, "1 1x ");
  ExpectRefused(notNumber, "IFO line 2: \"1x\" is not a whole number");
  ExpectRefused(IfoText({}, {}), "IFO line 2: no field types: the description names no columns");
  ExpectRefused(IfoText({1, 1}, {80, 80}, {{"popupc", {}}}),
                "IFO line 10: section popupc is for column 3, but the description has 2 columns");
  ExpectRefused(IfoText({1, 1}, {80, 80}, {{"popupa", {}}, {"popupa", {}}}),
                "IFO line 11: section popupa appears a second time");
  ExpectRefused(good + "\r\nBook",
                "IFO line 10: \"Book\" is outside any popup section (a section starts with a line "
                "such as popupa)");
  std::string badHex = good;
  badHex.replace(badHex.find("456E"), 2, "4G");
  ExpectRefused(badHex, "IFO line 9: \"4G\" is not hexadecimal");
}

}  // namespace
}  // namespace jconv5
