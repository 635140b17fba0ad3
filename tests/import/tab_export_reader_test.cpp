#include "import/TabExportReader.h"

#include "ImportFixture.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

using test::ImportFixture;

const std::string kEnd = "\xB0";

}  // namespace

TEST(tab_export_reader_test, endnote_record_with_empty_second_value) {
  ImportFixture f(kModeEndNote);
  f.selectOnly({1, 2});
  f.input("Book\t" + kEnd + "\r\n");
  EXPECT_EQ(ConvertEndNoteExport(f.state, f.ui), 1);
  EXPECT_EQ(f.csv(), "\"Reference Type\",\"Author\"\r\n\"Book\",\" \"\r\n");
  EXPECT_TRUE(f.ui.messages.empty());
}

TEST(tab_export_reader_test, empty_values_become_one_blank_wherever_they_are) {
  ImportFixture f(kModeEndNote);
  f.selectOnly({1, 2, 3, 4});
  f.input("\t\tx\t" + kEnd);
  EXPECT_EQ(ConvertEndNoteExport(f.state, f.ui), 1);
  EXPECT_EQ(f.records(), "\" \",\" \",\"x\",\" \"\r\n");
}

TEST(tab_export_reader_test, quotes_are_doubled_inside_the_enclosing_quotes) {
  ImportFixture f(kModeProCite);
  f.selectOnly({1, 2});
  f.input("say \"hi\"\tends \"\r\n");
  EXPECT_EQ(ConvertProCiteExport(f.state, f.ui), 1);
  EXPECT_EQ(f.records(), "\"say \"\"hi\"\"\",\"ends \"\"\"\r\n");
}

TEST(tab_export_reader_test, long_value_is_cut_logged_and_counted_once_per_record) {
  ImportFixture f(kModeEndNote, 80);
  f.selectOnly({1, 2});
  std::string longValue(100, 'a');
  f.input("short" + kEnd + longValue + "\t" + longValue + kEnd);
  EXPECT_EQ(ConvertEndNoteExport(f.state, f.ui), 2);
  std::string cut(80, 'a');
  EXPECT_EQ(f.records(), "\"short\",\r\n\"" + cut + "\",\"" + cut + "\"\r\n");
  EXPECT_EQ(f.state.truncatedCount, 1);
  EXPECT_EQ(f.state.memoLog, std::vector<std::string>{"Truncated field(s) in Record 2"});
}

TEST(tab_export_reader_test, line_breaks_inside_a_value_become_0x85_and_after_a_record_end_vanish) {
  ImportFixture f(kModeEndNote);
  f.selectOnly({1, 15});
  std::string notes = "one\r\ntwo\r\nthree";
  f.input("Book" + std::string(14, '\t') + notes + kEnd + "\r\n\r\nBook" + kEnd);
  EXPECT_EQ(ConvertEndNoteExport(f.state, f.ui), 2);
  EXPECT_EQ(f.records(), "\"Book\",\"one\x85two\x85three\"\r\n\"Book\",\r\n");
}

TEST(tab_export_reader_test, byte_0x1a_ends_an_endnote_export_but_not_a_procite_one) {
  ImportFixture endNote(kModeEndNote);
  endNote.selectOnly({1});
  endNote.input("a" + kEnd + "b\x1A" "c" + kEnd);
  EXPECT_EQ(ConvertEndNoteExport(endNote.state, endNote.ui), 2);
  EXPECT_EQ(endNote.records(), "\"a\"\r\n\"b\"\r\n");

  ImportFixture proCite(kModeProCite);
  proCite.selectOnly({1});
  proCite.input("b\x1A" "c\xB0\r\n");
  EXPECT_EQ(ConvertProCiteExport(proCite.state, proCite.ui), 1);
  EXPECT_EQ(proCite.records(), "\"b\x1A" "c\xB0\"\r\n");
}

// jconv5 has always been given a comma after the last value of a record that
// is shorter than the selection.
TEST(tab_export_reader_test, short_record_keeps_the_comma_after_its_last_value) {
  ImportFixture f(kModeEndNote);
  f.selectOnly({1, 2, 3});
  f.input("a\tb" + kEnd);
  EXPECT_EQ(ConvertEndNoteExport(f.state, f.ui), 1);
  EXPECT_EQ(f.records(), "\"a\",\"b\",\r\n");
}

TEST(tab_export_reader_test, byte_0xff_is_copied_like_any_other) {
  ImportFixture f(kModeProCite);
  f.selectOnly({1});
  f.input("\xFF\xFE\xFF\r\n");
  EXPECT_EQ(ConvertProCiteExport(f.state, f.ui), 1);
  EXPECT_EQ(f.records(), "\"\xFF\xFE\xFF\"\r\n");
}

TEST(tab_export_reader_test, procite_blank_lines_are_neither_counted_nor_written) {
  ImportFixture f(kModeProCite);
  f.selectOnly({1});
  f.input("a\r\n\r\n\r\nb\r\n");
  EXPECT_EQ(ConvertProCiteExport(f.state, f.ui), 2);
  EXPECT_EQ(f.records(), "\"a\"\r\n\"b\"\r\n");
  EXPECT_EQ(f.ui.recordUpdates, 4);
  EXPECT_EQ(f.ui.lastRecord, 1);
}

TEST(tab_export_reader_test, endnote_counter_moves_once_per_record) {
  ImportFixture f(kModeEndNote);
  f.input("a" + kEnd + "b" + kEnd + "c" + kEnd);
  EXPECT_EQ(ConvertEndNoteExport(f.state, f.ui), 3);
  EXPECT_EQ(f.ui.recordUpdates, 3);
  EXPECT_EQ(f.ui.lastRecord, 3);
}

TEST(tab_export_reader_test, only_year_selected_gives_lines_without_commas) {
  ImportFixture f(kModeEndNote);
  f.selectOnly({3});
  f.input("Book\tSmith\t1999\tTitle" + kEnd);
  EXPECT_EQ(ConvertEndNoteExport(f.state, f.ui), 1);
  EXPECT_EQ(f.csv(), "\"Year\"\r\n\"1999\"\r\n");
}

TEST(tab_export_reader_test, values_beyond_the_field_count_are_ignored) {
  ImportFixture f(kModeProCite);
  std::string line;
  for (int n = 1; n <= 50; ++n) line += std::to_string(n) + (n < 50 ? "\t" : "\r\n");
  f.input(line);
  EXPECT_EQ(ConvertProCiteExport(f.state, f.ui), 1);
  std::string expected;
  for (int n = 1; n <= 47; ++n) expected += "\"" + std::to_string(n) + "\"" + (n < 47 ? "," : "\r\n");
  EXPECT_EQ(f.records(), expected);
}

TEST(tab_export_reader_test, export_without_any_record_gives_header_only_and_zero) {
  ImportFixture f(kModeEndNote);
  f.selectOnly({1});
  f.input("\r\n\t\"\"\r\n");
  EXPECT_EQ(ConvertEndNoteExport(f.state, f.ui), 0);
  EXPECT_EQ(f.csv(), "\"Reference Type\"\r\n");
}

// The reader used to stop at 32,000 bytes, losing that record and all after.
TEST(tab_export_reader_test, records_of_any_length_convert_and_later_records_follow) {
  ImportFixture f(kModeEndNote, 3990);
  f.selectOnly({1, 2});
  std::string huge(200000, 'x');
  f.input("a\t" + huge + kEnd + "b\tc" + kEnd);
  EXPECT_EQ(ConvertEndNoteExport(f.state, f.ui), 2);
  EXPECT_EQ(f.records(), "\"a\",\"" + std::string(3990, 'x') + "\"\r\n\"b\",\"c\"\r\n");
  EXPECT_EQ(f.state.truncatedCount, 1);
}

// Plain text is skipped in runs; quotes and line breaks at every distance
// from each other must still be seen.
TEST(tab_export_reader_test, quotes_and_breaks_anywhere_in_long_text_are_handled) {
  ImportFixture f(kModeProCite);
  f.selectOnly({1});
  std::string value = "a", expected = "a";
  for (int gap = 0; gap < 40; ++gap) {
    value += std::string(gap, 'x') + (gap % 2 ? "\"" : "\n");
    expected += std::string(gap, 'x') + (gap % 2 ? "\"\"" : "\x85");
  }
  f.input(value + "\r\n" + value + "\r\n");
  EXPECT_EQ(ConvertProCiteExport(f.state, f.ui), 2);
  EXPECT_EQ(f.records(), "\"" + expected + "\"\r\n\"" + expected + "\"\r\n");
}

TEST(tab_export_reader_test, last_record_without_its_end_is_converted) {
  ImportFixture endNote(kModeEndNote);
  endNote.selectOnly({1, 2});
  endNote.input("a" + kEnd + "\r\nb\t");
  EXPECT_EQ(ConvertEndNoteExport(endNote.state, endNote.ui), 2);
  EXPECT_EQ(endNote.records(), "\"a\",\r\n\"b\",\" \"\r\n");

  ImportFixture proCite(kModeProCite);
  proCite.selectOnly({1});
  proCite.input("a\r\nb");
  EXPECT_EQ(ConvertProCiteExport(proCite.state, proCite.ui), 2);
  EXPECT_EQ(proCite.records(), "\"a\"\r\n\"b\"\r\n");
}

TEST(tab_export_reader_test, trailing_breaks_tabs_and_quotes_are_not_a_last_record) {
  ImportFixture f(kModeProCite);
  f.selectOnly({1});
  f.input("a\r\n\t\"\n");
  EXPECT_EQ(ConvertProCiteExport(f.state, f.ui), 1);
  EXPECT_EQ(f.records(), "\"a\"\r\n");
}

TEST(tab_export_reader_test, cut_never_splits_a_doubled_quote) {
  ImportFixture f(kModeProCite, 6);
  f.selectOnly({1, 2});
  // Doubled: abcde"" (7 bytes); a cut at 6 would leave one quote.
  f.input("abcde\"\tabcd\"x\r\n");
  EXPECT_EQ(ConvertProCiteExport(f.state, f.ui), 1);
  EXPECT_EQ(f.records(), "\"abcde\",\"abcd\"\"\"\r\n");
}

TEST(tab_export_reader_test, unopenable_output_or_input_is_reported) {
  ImportFixture noOutput(kModeEndNote);
  noOutput.state.csvPath = noOutput.folder.file("missing") + "/out.csv";
  noOutput.input("a" + kEnd);
  EXPECT_EQ(ConvertEndNoteExport(noOutput.state, noOutput.ui), 0);
  EXPECT_EQ(noOutput.ui.texts(), std::vector<std::string>{"Couldnt open output CSV File"});
  EXPECT_EQ(noOutput.ui.messages[0].kind, MessageKind::Error);

  ImportFixture noInput(kModeProCite);
  noInput.selectOnly({2});
  EXPECT_EQ(ConvertProCiteExport(noInput.state, noInput.ui), 0);
  EXPECT_EQ(noInput.ui.texts(), std::vector<std::string>{"Couldnt Open input .tsv file"});
  EXPECT_EQ(noInput.csv(), "\"Record ID\"\r\n");
}

}  // namespace tk
