#include "fields/FieldCatalogue.h"
#include "fields/FieldOps.h"
#include "fields/FieldTable.h"
#include "fields/ProgramModes.h"
#include "fields/StrategyFile.h"
#include "platform/OperationError.h"

#include "mock/FakeUi.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

// A state as a mode set-up leaves it just before the strategy is read.
AppState FreshState(std::int32_t mode, const std::string& folder) {
  FldTable = {};
  AppState state;
  state.programFolder = folder;
  state.convMode = mode;
  SetFieldCount(state);
  SetStrategyPath(state);
  state.dbSetting1 = 110;
  state.dbSetting2 = 1;
  state.dbSetting3 = 8;
  return state;
}

bool ReadFile(AppState& state, const std::string& path) {
  test::FakeUi ui;
  return ReadStrategyFile(state, ui, path);
}

std::vector<std::string> Words(const std::string& stem, int count) {
  std::vector<std::string> words;
  for (int i = 1; i <= count; ++i) words.push_back(stem + std::to_string(i));
  return words;
}

}  // namespace

TEST(strategy_file_test, default_of_every_mode_is_byte_exact) {
  const char* golden[] = {"default-stratEN.jfp", "default-stratRM.jfp", "default-stratPC.jfp",
                          "default-stratPG.jfp"};
  for (std::int32_t mode = 0; mode <= 3; ++mode) {
    test::TempFolder dir;
    AppState state = FreshState(mode, dir.path());
    ASSERT_TRUE(WriteDefaultStrategy(state));
    EXPECT_EQ(test::ReadBytes(state.strategyPath),
              test::ReadBytes(test::DataFile(std::string("strategy/") + golden[mode])))
        << "mode " << mode;
  }
}

TEST(strategy_file_test, endnote_default_loads_its_selection_types_and_words) {
  test::TempFolder dir;
  AppState state = FreshState(kModeEndNote, dir.path());
  ASSERT_TRUE(WriteDefaultStrategy(state));
  ASSERT_TRUE(ReadFile(state, state.strategyPath));
  EXPECT_EQ(state.dbSetting3, 0);
  EXPECT_EQ(CountSelectedFields(state), 15);
  EXPECT_EQ(FldTable[15].selected, 1);
  EXPECT_EQ(FldTable[16].selected, 0);
  EXPECT_EQ(FldTable[31].maxWidth, 3990);
  EXPECT_EQ(FldTable[8].fldType, kTypePopup);
  EXPECT_EQ(FldTable[9].colWidth, 20);
  EXPECT_EQ(state.popupLists[1].size(), 14u);
  EXPECT_EQ(state.popupLists[3].front(), "1980");
  EXPECT_EQ(state.popupLists[3].back(), "2010");
  EXPECT_EQ(state.popupLists[8][3], "Harper & Row");
  EXPECT_TRUE(state.popupLists[2].empty());
}

TEST(strategy_file_test, short_and_long_default_lists_land_as_they_stand) {
  test::TempFolder dir;
  AppState refMan = FreshState(kModeRefMan, dir.path());
  FldTable[32].colWidth = 44;  // what the previous mode left
  ASSERT_TRUE(WriteDefaultStrategy(refMan));
  ASSERT_TRUE(ReadFile(refMan, refMan.strategyPath));
  EXPECT_EQ(FldTable[32].colWidth, 44);
  EXPECT_EQ(FldTable[35].maxWidth, 3938);
  EXPECT_EQ(FldTable[44].maxWidth, 3900);
  EXPECT_EQ(FldTable[46].selected, 1);
  EXPECT_EQ(refMan.popupLists[1].back(), "Video Recording");

  AppState generic = FreshState(kModeProCiteGeneric, dir.path());
  ASSERT_TRUE(WriteDefaultStrategy(generic));
  ASSERT_TRUE(ReadFile(generic, generic.strategyPath));
  EXPECT_EQ(FldTable[24].maxWidth, 3990);
  EXPECT_EQ(FldTable[25].maxWidth, 3991);
  EXPECT_EQ(generic.popupLists[1].front(), "Art Work ");
  EXPECT_EQ(generic.popupLists[1].size(), 38u);
}

TEST(strategy_file_test, procite_round_trip_keeps_every_field_and_word) {
  test::TempFolder dir;
  AppState state = FreshState(kModeProCite, dir.path());
  state.dbSetting3 = -5;
  for (int n = 1; n <= 47; ++n) {
    FldTable[n] = {n % 2 ? kTypeMultiPopup : kTypeString, n + 10, 100 + n,
                   static_cast<std::uint8_t>(n % 3 == 0), 0};
    state.popupLists[n] = Words(" w" + std::to_string(n) + "-", n % 5 + 1);
  }
  state.popupLists[47] = Words("last", 100);
  const auto saved = FldTable;
  ASSERT_TRUE(WriteStrategyFile(state, dir.file("s.jfp")));

  AppState loaded = FreshState(kModeProCite, dir.path());
  ASSERT_TRUE(ReadFile(loaded, dir.file("s.jfp")));
  EXPECT_EQ(loaded.dbSetting3, -5);
  for (int n = 1; n <= 47; ++n) {
    EXPECT_EQ(FldTable[n].fldType, saved[n].fldType) << n;
    EXPECT_EQ(FldTable[n].colWidth, saved[n].colWidth) << n;
    EXPECT_EQ(FldTable[n].maxWidth, saved[n].maxWidth) << n;
    EXPECT_EQ(FldTable[n].selected, saved[n].selected) << n;
    EXPECT_EQ(loaded.popupLists[n], state.popupLists[n]) << n;
  }
}

TEST(strategy_file_test, written_lines_end_every_value_with_a_comma) {
  test::TempFolder dir;
  AppState state = FreshState(kModeProCiteGeneric, dir.path());
  state.fieldCount = 3;
  FldTable[1] = {64, 15, 3990, 1, 0};
  FldTable[2] = {1, 80, 5, 0, 0};
  FldTable[3] = {81, 30, 160, 1, 0};
  state.popupLists[1] = {" a, b ", "c\td", "e\r\nf"};
  ASSERT_TRUE(WriteStrategyFile(state, dir.file("s.jfp")));
  EXPECT_EQ(test::ReadBytes(dir.file("s.jfp")),
            "110\r\n1\r\n8\r\n3990,5,160,\r\n1,0,1,\r\n64,1,81,\r\n15,80,30,\r\n"
            "fld1, a b ,cd,ef\r\nfld2\r\nfld3\r\n");
}

TEST(strategy_file_test, hundred_words_survive_and_longer_lists_are_cut_to_99) {
  test::TempFolder dir;
  AppState state = FreshState(kModeEndNote, dir.path());
  state.popupLists[1] = Words("a", 100);
  state.popupLists[2] = Words("b", 120);
  ASSERT_TRUE(WriteStrategyFile(state, dir.file("s.jfp")));
  AppState loaded = FreshState(kModeEndNote, dir.path());
  ASSERT_TRUE(ReadFile(loaded, dir.file("s.jfp")));
  EXPECT_EQ(loaded.popupLists[1], Words("a", 100));
  EXPECT_EQ(loaded.popupLists[2], Words("b", 99));
}

TEST(strategy_file_test, reader_takes_at_most_100_words_and_54_lines) {
  test::TempFolder dir;
  std::string text = "1\n2\n3\n4,\n5,\n6,\n7,\nfld1";
  for (const auto& w : Words("x", 105)) text += "," + w;
  text += "\n";
  for (int line = 9; line <= 60; ++line) text += "fld,word" + std::to_string(line) + "\n";
  test::WriteBytes(dir.file("s.jfp"), text);
  AppState state = FreshState(kModeProCite, dir.path());
  ASSERT_TRUE(ReadFile(state, dir.file("s.jfp")));
  EXPECT_EQ(state.popupLists[1], Words("x", 100));
  EXPECT_EQ(state.popupLists[47], std::vector<std::string>{"word54"});
  for (int n = 48; n < kPopupListCount; ++n) EXPECT_TRUE(state.popupLists[n].empty()) << n;
}

TEST(strategy_file_test, lines_are_read_by_position_and_token) {
  AppState state = FreshState(kModeProCite, "");
  // Empty tokens don't count as positions.
  ParseStrategyLine(state, "1,0,,1,", 4);
  EXPECT_EQ(FldTable[1].selected, 1);
  EXPECT_EQ(FldTable[2].selected, 0);
  EXPECT_EQ(FldTable[3].selected, 1);
  EXPECT_EQ(FldTable[4].selected, 0);
  ParseStrategyLine(state, "fld1,,Book,,Map,", 7);
  EXPECT_EQ(state.popupLists[1], (std::vector<std::string>{"Book", "Map"}));
  // The line's position, not its label, decides the field.
  ParseStrategyLine(state, "fld4,Atlas", 8);
  EXPECT_EQ(state.popupLists[2], std::vector<std::string>{"Atlas"});
  EXPECT_TRUE(state.popupLists[4].empty());
  // The last value of a setting line stands.
  ParseStrategyLine(state, "110,7", 0);
  ParseStrategyLine(state, "-3", 2);
  EXPECT_EQ(state.dbSetting1, 7);
  EXPECT_EQ(state.dbSetting3, -3);
  // Values beyond the table touch nothing.
  std::string line;
  for (int i = 1; i <= 60; ++i) line += std::to_string(i) + ",";
  ParseStrategyLine(state, line, 3);
  EXPECT_EQ(FldTable[47].maxWidth, 47);
  EXPECT_EQ(FldTable[0].maxWidth, 0);
}

TEST(strategy_file_test, non_numeric_token_stops_reading_with_its_text) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("s.jfp"), "110\r\n1\r\n0\r\n3990,40,wide,12,\r\n1,\r\n");
  AppState state = FreshState(kModeEndNote, dir.path());
  try {
    ReadFile(state, dir.file("s.jfp"));
    FAIL() << "no error";
  } catch (const OperationError& e) {
    EXPECT_EQ(std::string(e.what()), "'wide' is not a valid integer value");
  }
  EXPECT_EQ(state.dbSetting3, 0);
  EXPECT_EQ(FldTable[2].maxWidth, 40);
  EXPECT_EQ(FldTable[4].maxWidth, 0);
  EXPECT_EQ(FldTable[1].selected, 0);
}

TEST(strategy_file_test, missing_file_fails_silently_and_reading_pumps_per_line) {
  test::TempFolder dir;
  AppState state = FreshState(kModeEndNote, dir.path());
  test::FakeUi ui;
  EXPECT_FALSE(ReadStrategyFile(state, ui, dir.file("none.jfp")));
  EXPECT_TRUE(ui.messages.empty());
  test::WriteBytes(dir.file("s.jfp"), "1\n2\n3");
  EXPECT_TRUE(ReadStrategyFile(state, ui, dir.file("s.jfp")));
  EXPECT_GE(ui.pumps, 3);
  EXPECT_EQ(state.dbSetting3, 3);
}

TEST(strategy_file_test, overlong_line_is_read_as_several_lines) {
  test::TempFolder dir;
  // Line 8 holds 31,999 characters: the reader's limit, so its line end
  // comes as an empty line 9 and the next words go to field 3.
  std::string word(31999 - 5, 'w');
  test::WriteBytes(dir.file("s.jfp"), "1\n2\n3\n4,\n5,\n6,\n7,\nfld1," + word + "\nfld2,two\n");
  AppState state = FreshState(kModeEndNote, dir.path());
  ASSERT_TRUE(ReadFile(state, dir.file("s.jfp")));
  EXPECT_EQ(state.popupLists[1], std::vector<std::string>{word});
  EXPECT_TRUE(state.popupLists[2].empty());
  EXPECT_EQ(state.popupLists[3], std::vector<std::string>{"two"});
}

TEST(strategy_file_test, unwritable_target_writes_nothing) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("plain"), "x");
  AppState state = FreshState(kModeEndNote, dir.path());
  EXPECT_FALSE(WriteStrategyFile(state, dir.file("plain") + "/s.jfp"));
  state.strategyPath = dir.file("plain") + "/s.jfp";
  EXPECT_FALSE(WriteDefaultStrategy(state));
}

}  // namespace tk
