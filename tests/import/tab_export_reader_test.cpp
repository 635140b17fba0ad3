#include "import/TabExportReader.h"

#include "ImportFixture.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

using test::On;
using test::ReaderRun;
const std::string& kEnd = test::kEndNoteEnd;

ReadResult Read(ConvMode mode, const FieldSetup& setup, ReaderRun& r) {
  return mode == kModeEndNote ? ReadEndNoteExport(setup, r.run, r.ui)
                              : ReadProCiteExport(setup, r.run, r.ui);
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

TEST(tab_export_reader_test, exports_become_csv_records_in_jconv5s_dialect) {
  const auto [gaps, gapsWritten] = BreaksAndQuotesAtEveryGap();
  const std::string x(200000, 'x'), a(100, 'a'), a80 = "\"" + a.substr(0, 80) + "\"";
  const struct {
    const char* behaviour;
    ConvMode mode;
    std::vector<int> fields;
    std::string input, records;
    int count, truncated = 0, maxWidth = 3990;
  } cases[] = {
      {"empty values become one blank", kModeEndNote, On(1, 2, 3, 4), "\t\tx\t" + kEnd,
       "\" \",\" \",\"x\",\" \"\r\n", 1},
      {"quotes doubled", kModeProCite, On(1, 2), "say \"hi\"\tends \"\r\n",
       "\"say \"\"hi\"\"\",\"ends \"\"\"\r\n", 1},
      {"line breaks in a value become 0x85, after a record end vanish", kModeEndNote, On(1, 15),
       "Book" + std::string(14, '\t') + "one\r\ntwo\r\nthree" + kEnd + "\r\n\r\nBook" + kEnd,
       "\"Book\",\"one\x85two\x85three\"\r\n\"Book\",\r\n", 2},
      {"a line break first in the file is kept", kModeProCite, On(1), "\nx\r\n", "\"\x85x\"\r\n",
       1},
      {"0x1A ends an EndNote export", kModeEndNote, On(1), "a" + kEnd + "b\032c" + kEnd,
       "\"a\"\r\n\"b\"\r\n", 2},
      {"0x1A and 0xB0 are text to ProCite", kModeProCite, On(1), "b\032c\xB0\r\n",
       "\"b\032c\xB0\"\r\n", 1},
      // jconv5 has always been given a comma after the last value of a
      // record that is shorter than the selection.
      {"short record keeps the comma after its last value", kModeEndNote, On(1, 2, 3),
       "a\tb" + kEnd, "\"a\",\"b\",\r\n", 1},
      {"0xFF copied like any other byte", kModeProCite, On(1), "\xFF\xFE\xFF\r\n",
       "\"\xFF\xFE\xFF\"\r\n", 1},
      {"one selected field gives lines without commas", kModeEndNote, On(3),
       "Book\tSmith\t1999\tTitle" + kEnd, "\"1999\"\r\n", 1},
      {"no record at all", kModeEndNote, On(1), "\r\n\t\"\"\r\n", "", 0},
      {"quotes and breaks anywhere in long text", kModeProCite, On(1), gaps, gapsWritten, 2},
      {"last EndNote record without its end", kModeEndNote, On(1, 2), "a" + kEnd + "\r\nb\t",
       "\"a\",\r\n\"b\",\" \"\r\n", 2},
      {"last ProCite record without its end", kModeProCite, On(1), "a\r\nb", "\"a\"\r\n\"b\"\r\n",
       2},
      {"trailing breaks, tabs and quotes are no last record", kModeProCite, On(1), "a\r\n\t\"\n",
       "\"a\"\r\n", 1},
      {"ProCite blank lines are neither counted nor written", kModeProCite, On(1),
       "a\r\n\r\n\r\nb\r\n", "\"a\"\r\n\"b\"\r\n", 2},
      {"values beyond the field count are ignored", kModeProCite, On(46, 47),
       std::string(45, '\t') + "46\t47\t48\t49\r\n", "\"46\",\"47\"\r\n", 1},
      // Doubled: abcde"" (7 bytes); a cut at 6 would leave one quote.
      {"a cut never splits a doubled quote", kModeProCite, On(1, 2), "abcde\"\tabcd\"x\r\n",
       "\"abcde\",\"abcd\"\"\"\r\n", 1, 1, 6},
      {"records of any length, cut once per record; a value of its width is not cut", kModeEndNote,
       On(1, 2), "a\t" + x + kEnd + "b\t" + a.substr(0, 80) + kEnd + a + "\t" + a + kEnd,
       "\"a\",\"" + x.substr(0, 80) + "\"\r\n\"b\"," + a80 + "\r\n" + a80 + "," + a80 + "\r\n", 3,
       2, 80},
  };
  for (const auto& c : cases) {
    ReaderRun r(c.input);
    const ReadResult result = Read(c.mode, test::Fields(c.mode, c.fields, c.maxWidth), r);
    EXPECT_EQ(result.status, ReadStatus::Read) << c.behaviour;
    EXPECT_EQ(result.records, c.count) << c.behaviour;
    EXPECT_EQ(result.truncated, c.truncated) << c.behaviour;
    EXPECT_EQ(r.records(), c.records) << c.behaviour;
  }
}

// ProCite moves the counter before it knows whether a line is a record.
TEST(tab_export_reader_test, cut_records_are_logged_and_the_counter_moves_per_record) {
  ReaderRun endNote("s" + kEnd + std::string(30, 'a') + kEnd + "b" + kEnd + std::string(30, 'c'));
  EXPECT_EQ(
      ReadEndNoteExport(test::Fields(kModeEndNote, On(1), 20), endNote.run, endNote.ui).truncated,
      2);
  EXPECT_EQ(endNote.run.log,
            (test::Lines{"Truncated field(s) in Record 2", "Truncated field(s) in Record 4"}));
  EXPECT_EQ(endNote.ui.recordUpdates, 4);
  EXPECT_EQ(endNote.ui.lastRecord, 4);
  ReaderRun proCite("a\r\n\r\n\r\nb\r\n");
  EXPECT_EQ(ReadProCiteExport(test::Fields(kModeProCite, On(1)), proCite.run, proCite.ui).records,
            2);
  EXPECT_EQ(proCite.ui.recordUpdates, 4);
  EXPECT_EQ(proCite.ui.lastRecord, 1);
}

}  // namespace tk
