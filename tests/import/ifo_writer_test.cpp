#include "import/IfoWriter.h"

#include "ImportFixture.h"
#include "platform/Files.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

using test::ImportFixture;
using test::ReadBytes;

const std::string kEnd = "456E644A46696C654461746100";

// What follows the marker line: the popup sections.
std::string PopupSections(const ImportFixture& f) {
  const std::string ifo = ReadBytes(f.state.ifoPath);
  return ifo.substr(ifo.find(kEnd) + kEnd.size());
}

std::vector<std::string> Words(int count) {
  std::vector<std::string> words;
  for (int i = 1; i <= count; ++i) words.push_back("w" + std::to_string(i));
  return words;
}

}  // namespace

TEST(ifo_writer_test, one_string_field_ends_with_the_marker_line) {
  ImportFixture f(kModeEndNote);
  f.selectOnly({2});
  FldTable[2].colWidth = 80;
  f.state.dbSetting1 = 110;
  f.state.dbSetting2 = 1;
  f.state.dbSetting3 = 0;
  ASSERT_TRUE(WriteIfoFile(f.state, f.ui));
  EXPECT_EQ(ReadBytes(f.state.ifoPath),
            "JFile5\r\n1 \r\n80 \r\n110\r\n1\r\n0\r\n0 \r\n0 \r\n" + kEnd);
}

TEST(ifo_writer_test, endnote_defaults_give_types_widths_and_four_popup_sections) {
  ImportFixture f(kModeEndNote);
  f.selectOnly({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
  for (int n = 1; n <= 31; ++n) {
    FldTable[n].fldType = (n == 1 || n == 3 || n == 7 || n == 8) ? 64 : 1;
    FldTable[n].colWidth = n == 1 ? 15 : n == 3 ? 30 : (n == 9 || n == 10) ? 20 : 80;
  }
  f.state.dbSetting1 = 110;
  f.state.dbSetting2 = 1;
  f.state.popupLists[1] = {"Book", "Book Section"};
  f.state.popupLists[3] = {"1980", "1981"};
  f.state.popupLists[7] = {"New York"};
  f.state.popupLists[8] = {"Harper & Row", ""};
  f.state.popupLists[2] = {"not a popup field"};
  ASSERT_TRUE(WriteIfoFile(f.state, f.ui));
  std::string zeros;
  for (int i = 0; i < 15; ++i) zeros += "0 ";
  EXPECT_EQ(ReadBytes(f.state.ifoPath),
            "JFile5\r\n"
            "64 1 64 1 1 1 64 64 1 1 1 1 1 1 1 \r\n"
            "15 80 30 80 80 80 80 80 20 20 80 80 80 80 80 \r\n"
            "110\r\n1\r\n0\r\n" +
                zeros + "\r\n" + zeros + "\r\n" + kEnd +
                "\r\npopupa\r\nBook\r\nBook Section"
                "\r\npopupc\r\n1980\r\n1981"
                "\r\npopupg\r\nNew York"
                "\r\npopuph\r\nHarper & Row\r\n");
}

TEST(ifo_writer_test, popup_letters_run_a_to_z_then_capital_b) {
  ImportFixture f(kModeProCite);
  FldTable[26].fldType = kTypePopup;
  FldTable[27].fldType = kTypeMultiPopup;
  f.state.popupLists[26] = {"x"};
  ASSERT_TRUE(WriteIfoFile(f.state, f.ui));
  EXPECT_EQ(PopupSections(f), "\r\npopupz\r\nx\r\npopupB");
}

TEST(ifo_writer_test, a_list_of_120_words_is_cut_to_99) {
  ImportFixture f(kModeRefMan);
  f.selectOnly({1});
  FldTable[1].fldType = kTypePopup;
  f.state.popupLists[1] = Words(120);
  ASSERT_TRUE(WriteIfoFile(f.state, f.ui));
  std::string expected = "\r\npopupa";
  for (const auto& w : Words(99)) expected += "\r\n" + w;
  EXPECT_EQ(PopupSections(f), expected);
}

TEST(ifo_writer_test, unselected_popup_field_gets_no_section) {
  ImportFixture f(kModeEndNote);
  f.selectOnly({1, 2});
  FldTable[2].fldType = kTypePopup;
  FldTable[3].fldType = kTypePopup;
  FldTable[3].popupLetter = 'c';  // left from an earlier count
  f.state.popupLists[3] = {"1999"};
  ASSERT_TRUE(WriteIfoFile(f.state, f.ui));
  EXPECT_EQ(PopupSections(f), "\r\npopupb");
}

TEST(ifo_writer_test, no_selected_field_is_refused_and_leaves_no_file) {
  ImportFixture f(kModeEndNote);
  f.selectOnly({});
  EXPECT_FALSE(WriteIfoFile(f.state, f.ui));
  EXPECT_EQ(f.ui.texts(),
            std::vector<std::string>{"No fields selected \nPlease select a field and try again "});
  EXPECT_EQ(f.ui.messages[0].kind, MessageKind::Error);
  EXPECT_FALSE(FileExists(f.state.ifoPath));
  EXPECT_FALSE(FileExists(f.state.ifoPath + ".tk-part"));
}

TEST(ifo_writer_test, unwritable_path_is_reported) {
  ImportFixture f(kModeEndNote);
  f.state.ifoPath = f.folder.file("missing") + "/x.IFO";
  EXPECT_FALSE(WriteIfoFile(f.state, f.ui));
  EXPECT_EQ(f.ui.texts(), std::vector<std::string>{"Failure creating .IFO file "});
}

}  // namespace tk
