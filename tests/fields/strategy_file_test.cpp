#include "fields/DefaultStrategy.h"
#include "fields/StrategyFile.h"

#include "mock/FakeUi.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#include <tuple>

namespace tk {
namespace {

using Words = std::vector<std::string>;

// What a mode set-up leaves before the strategy is read.
FieldSetup Fresh(Mode mode) {
  return {.mode = mode, .fieldCount = InfoOf(mode).fieldCount, .oldFlags = 8, .strategyPath = {}};
}

Words Numbered(const std::string& stem, int count) {
  Words words;
  for (int i = 1; i <= count; ++i) words.push_back(stem + std::to_string(i));
  return words;
}

// Words lose what separates words and lines in the file; a list longer than
// a list holds keeps 99.
TEST(strategy_file_test, written_lines_end_every_value_with_a_comma_and_read_back_whole) {
  EXPECT_FALSE(WriteDefaultStrategy(Fresh(Mode::EndNote)));  // nowhere to write
  test::TempFolder dir;
  FieldSetup setup = Fresh(Mode::ProCiteGeneric);
  setup.fieldCount = 3;
  setup.recordViewWidth = 110;
  setup.table = {{{}, {64, 15, 3990, 1, 0}, {1, 80, 5, 0, 0}, {81, 30, 160, 7, 0}}};
  setup.popupLists[1] = {" a, b ", "c\td", "e\r\nf"};
  ASSERT_TRUE(WriteStrategyFile(setup, dir.file("s.jfp")));
  EXPECT_EQ(test::ReadBytes(dir.file("s.jfp")),
            "110\r\n0\r\n8\r\n3990,5,160,\r\n1,0,1,\r\n64,1,81,\r\n15,80,30,\r\n"
            "fld1, a b ,cd,ef\r\nfld2\r\nfld3\r\n");
  setup.popupLists[2] = Numbered("a", 100);
  setup.popupLists[3] = Numbered("b", 101);
  ASSERT_TRUE(WriteStrategyFile(setup, dir.file("s.jfp")));
  FieldSetup loaded = Fresh(Mode::ProCiteGeneric);
  loaded.fieldCount = 3;
  test::FakeUi ui;
  ASSERT_EQ(ReadStrategyFile(loaded, ui, dir.file("s.jfp")).status, StrategyRead::Read);
  setup.table[3].selected = 1;
  setup.popupLists[1] = {" a b ", "cd", "ef"};
  setup.popupLists[3].resize(99);
  // Every field's type, widths and selection, and the words.
  const auto whole = [](const FieldSetup& s) {
    std::vector<std::array<int, 4>> fields;
    for (const FldDef& f : s.table)
      fields.push_back({f.fldType, f.colWidth, f.maxWidth, f.selected});
    return std::pair(fields, s.popupLists);
  };
  EXPECT_EQ(whole(loaded), whole(setup));
}

TEST(strategy_file_test, reader_takes_at_most_100_words_54_lines_and_splits_long_lines) {
  test::TempFolder dir;
  std::string text = "1\r\n2\n3\n40,\n5,\n64,\n7,\nfld1";
  for (const auto& w : Numbered("x", 105)) text += "," + w;
  for (int line = 9; line <= 60; ++line) text += "\nfld,word" + std::to_string(line);
  test::WriteBytes(dir.file("s.jfp"), text);
  FieldSetup setup = Fresh(Mode::ProCite);
  test::FakeUi ui;  // pumped before each line read
  ASSERT_EQ(ReadStrategyFile(setup, ui, dir.file("s.jfp")).status, StrategyRead::Read);
  EXPECT_EQ(ui.pumps, 54L);
  EXPECT_EQ(setup.popupLists[1], Numbered("x", 100));
  EXPECT_EQ(setup.popupLists[47], Words{"word54"});
  // 31,999 characters is the limit: the line end comes as an empty line.
  const std::string word(31999 - 5, 'w');
  test::WriteBytes(dir.file("s.jfp"), "1\n2\n3\n40,\n5,\n64,\n7,\nfld1," + word + "\nfld2,two\n");
  FieldSetup split = Fresh(Mode::EndNote);
  ASSERT_EQ(ReadStrategyFile(split, ui, dir.file("s.jfp")).status, StrategyRead::Read);
  EXPECT_EQ(PopupLists(split.popupLists.begin() + 1, split.popupLists.begin() + 4),
            (PopupLists{{word}, {}, {"two"}}));
}

// A line shorter than the mode's fields leaves the rest unset: they read
// as the widest width and a string, so the file written back reads again.
TEST(strategy_file_test, fields_a_short_line_leaves_out_are_wide_strings) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("s.jfp"), "1\r\n2\r\n3\r\n10,20,\r\n1,0,1,\r\n64,\r\n");
  FieldSetup setup = Fresh(Mode::EndNote);
  test::FakeUi ui;
  ASSERT_EQ(ReadStrategyFile(setup, ui, dir.file("s.jfp")).status, StrategyRead::Read);
  EXPECT_EQ(setup.table[2].maxWidth, 20);
  EXPECT_EQ(setup.table[3].maxWidth, 3990);
  EXPECT_EQ(setup.table[1].fldType, 64);
  EXPECT_EQ(setup.table[31].fldType, 1);
  EXPECT_EQ(setup.table[3].selected, 1);
  ASSERT_TRUE(WriteStrategyFile(setup, dir.file("t.jfp")));
  FieldSetup again = Fresh(Mode::EndNote);
  EXPECT_EQ(ReadStrategyFile(again, ui, dir.file("t.jfp")).status, StrategyRead::Read);
}

// Empty tokens don't count as positions, and values past the line stay. Past
// the last field's line nothing is taken, whatever its label. The last value
// of a setting line stands. Values beyond the table are checked but touch
// nothing. A value that isn't a number, or a type no field may have, stops
// the line; those before it stand.
TEST(strategy_file_test, lines_are_read_by_position_and_token) {
  FieldSetup setup = Fresh(Mode::ProCite);
  setup.table[5].selected = 1;
  std::string numbers, stops;
  for (int i = 1; i <= 60; ++i) numbers += std::to_string(i) + ",";
  const std::pair<std::string, int> lines[] = {
      {"1,0,,-1,", 4}, {"fld1,,Book,,Map,", 7}, {"fld48,past", 54}, {"110,7", 0}, {"-3", 2},
      {numbers, 6},    {numbers + "x", 5},      {"5,wide,6", 3}};
  for (const auto& [line, index] : lines) {
    const std::string stop = ParseStrategyLine(setup, line, index).value_or("");
    stops += stop.substr(0, stop.find(' ')) + "|";
  }
  std::vector<int> selected;
  for (int n = 1; n <= 5; ++n) selected.push_back(setup.table[n].selected);
  EXPECT_EQ(stops, "||||||'2'|'wide'|");
  EXPECT_EQ(selected, (std::vector<int>{1, 0, 1, 0, 1}));
  EXPECT_EQ(setup.popupLists[1], (Words{"Book", "Map"}));
  EXPECT_EQ(setup.popupLists[48].size(), 0u);
  EXPECT_EQ(setup.recordViewWidth, 7);
  EXPECT_EQ(setup.oldFlags, -3);
  EXPECT_EQ(setup.table[47].colWidth, 47);
  EXPECT_EQ(setup.table[1].maxWidth, 5);
  EXPECT_EQ(setup.table[2].maxWidth, 0);
}

}  // namespace
}  // namespace tk
