#include "import/TabExportReader.h"

#include "ImportFixture.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

using test::ImportFixture;

const std::string kEnd = "\xB0";

// One export read with the given fields selected, all cut to maxWidth.
struct ReadCase {
  const char* behaviour;
  ConvMode mode;
  std::vector<int> fields;
  std::string input;
  int count;
  std::string records;  // the CSV after its header
  int maxWidth = 3990;
};

void ExpectRead(const ReadCase& c) {
  ImportFixture f(c.mode, c.maxWidth);
  f.selectOnly(c.fields);
  f.input(c.input);
  const int count = c.mode == kModeEndNote ? ConvertEndNoteExport(f.state, f.ui)
                                           : ConvertProCiteExport(f.state, f.ui);
  EXPECT_EQ(count, c.count) << c.behaviour;
  EXPECT_EQ(f.records(), c.records) << c.behaviour;
  EXPECT_TRUE(f.ui.messages.empty()) << c.behaviour;
}

// Plain text is skipped in runs; quotes and line breaks at every distance
// from each other must still be seen.
std::pair<std::string, std::string> BreaksAndQuotesAtEveryGap() {
  std::string value = "a", expected = "a";
  for (int gap = 0; gap < 40; ++gap) {
    value += std::string(gap, 'x') + (gap % 2 ? "\"" : "\n");
    expected += std::string(gap, 'x') + (gap % 2 ? "\"\"" : "\x85");
  }
  return {value + "\r\n" + value + "\r\n", "\"" + expected + "\"\r\n\"" + expected + "\"\r\n"};
}

}  // namespace

TEST(tab_export_reader_test, values_are_written_as_the_csv_dialect_wants_them) {
  const auto [gaps, gapsWritten] = BreaksAndQuotesAtEveryGap();
  const ReadCase cases[] = {
      {"empty values become one blank",
       kModeEndNote,
       {1, 2, 3, 4},
       "\t\tx\t" + kEnd,
       1,
       "\" \",\" \",\"x\",\" \"\r\n"},
      {"quotes doubled",
       kModeProCite,
       {1, 2},
       "say \"hi\"\tends \"\r\n",
       1,
       "\"say \"\"hi\"\"\",\"ends \"\"\"\r\n"},
      {"line breaks in a value become 0x85, after a record end vanish",
       kModeEndNote,
       {1, 15},
       "Book" + std::string(14, '\t') + "one\r\ntwo\r\nthree" + kEnd + "\r\n\r\nBook" + kEnd,
       2,
       "\"Book\",\"one\x85two\x85three\"\r\n\"Book\",\r\n"},
      {"0x1A ends an EndNote export",
       kModeEndNote,
       {1},
       "a" + kEnd +
           "b\x1A"
           "c" +
           kEnd,
       2,
       "\"a\"\r\n\"b\"\r\n"},
      {"0x1A and 0xB0 are text to ProCite",
       kModeProCite,
       {1},
       "b\x1A"
       "c\xB0\r\n",
       1,
       "\"b\x1A"
       "c\xB0\"\r\n"},
      // jconv5 has always been given a comma after the last value of a
      // record that is shorter than the selection.
      {"short record keeps the comma after its last value",
       kModeEndNote,
       {1, 2, 3},
       "a\tb" + kEnd,
       1,
       "\"a\",\"b\",\r\n"},
      {"0xFF copied like any other byte",
       kModeProCite,
       {1},
       "\xFF\xFE\xFF\r\n",
       1,
       "\"\xFF\xFE\xFF\"\r\n"},
      {"one selected field gives lines without commas",
       kModeEndNote,
       {3},
       "Book\tSmith\t1999\tTitle" + kEnd,
       1,
       "\"1999\"\r\n"},
      {"no record at all", kModeEndNote, {1}, "\r\n\t\"\"\r\n", 0, ""},
      {"quotes and breaks anywhere in long text", kModeProCite, {1}, gaps, 2, gapsWritten},
      {"last EndNote record without its end",
       kModeEndNote,
       {1, 2},
       "a" + kEnd + "\r\nb\t",
       2,
       "\"a\",\r\n\"b\",\" \"\r\n"},
      {"last ProCite record without its end", kModeProCite, {1}, "a\r\nb", 2, "\"a\"\r\n\"b\"\r\n"},
      {"trailing breaks, tabs and quotes are no last record",
       kModeProCite,
       {1},
       "a\r\n\t\"\n",
       1,
       "\"a\"\r\n"},
      // Doubled: abcde"" (7 bytes); a cut at 6 would leave one quote.
      {"a cut never splits a doubled quote",
       kModeProCite,
       {1, 2},
       "abcde\"\tabcd\"x\r\n",
       1,
       "\"abcde\",\"abcd\"\"\"\r\n",
       6},
      // The reader used to stop at 32,000 bytes, losing that record and all after.
      {"records of any length",
       kModeEndNote,
       {1, 2},
       "a\t" + std::string(200000, 'x') + kEnd + "b\tc" + kEnd,
       2,
       "\"a\",\"" + std::string(3990, 'x') + "\"\r\n\"b\",\"c\"\r\n"},
  };
  for (const ReadCase& c : cases) ExpectRead(c);
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

TEST(tab_export_reader_test, values_beyond_the_field_count_are_ignored) {
  ImportFixture f(kModeProCite);
  std::string line;
  for (int n = 1; n <= 50; ++n) line += std::to_string(n) + (n < 50 ? "\t" : "\r\n");
  f.input(line);
  EXPECT_EQ(ConvertProCiteExport(f.state, f.ui), 1);
  std::string expected;
  for (int n = 1; n <= 47; ++n)
    expected += "\"" + std::to_string(n) + "\"" + (n < 47 ? "," : "\r\n");
  EXPECT_EQ(f.records(), expected);
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
