// EndNote and ProCite exports, tab-separated, become the CSV jconv5 reads.
// jconv5 can't read a bare quote or line break inside a value, nor an empty
// one, so each case is a shape the output must not let through.
#include "ImportFixture.h"

namespace tk {
namespace {

using test::On;
using test::ReaderCase;
const std::string& kEnd = test::kEndNoteEnd;

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

TEST(tab_export_reader_test, endnote_exports_become_records) {
  const std::string x(200000, 'x'), a(100, 'a'), a80 = "\"" + a.substr(0, 80) + "\"";
  const ReaderCase cases[] = {
      {"empty values become one blank", On(1, 2, 3, 4), "\t\tx\t" + kEnd,
       "\" \",\" \",\"x\",\" \"\r\n"},
      {"line breaks in a value become 0x85, after a record end vanish", On(1, 15),
       "Book" + std::string(14, '\t') + "one\r\ntwo\r\nthree" + kEnd + "\r\n\r\nBook" + kEnd,
       "\"Book\",\"one\x85two\x85three\"\r\n\"Book\",\r\n"},
      {"0x1A ends an EndNote export", On(1), "a" + kEnd + "b\032c" + kEnd, "\"a\"\r\n\"b\"\r\n"},
      // jconv5 has always been given a comma after the last value of a
      // record that is shorter than the selection.
      {"a last record without its end; a short record keeps the comma after its last value",
       On(1, 2), "a" + kEnd + "\r\nb\t", "\"a\",\r\n\"b\",\" \"\r\n"},
      {"records of any length, cut once per record; a value of its width is not cut", On(1, 2),
       "a\t" + x + kEnd + "b\t" + a.substr(0, 80) + kEnd + a + "\t" + a + kEnd,
       "\"a\",\"" + x.substr(0, 80) + "\"\r\n\"b\"," + a80 + "\r\n" + a80 + "," + a80 + "\r\n", 2,
       80},
  };
  test::ExpectReads(Mode::EndNote, cases);
}

TEST(tab_export_reader_test, procite_exports_become_records) {
  const auto [gaps, gapsWritten] = BreaksAndQuotesAtEveryGap();
  const ReaderCase cases[] = {
      {"a line break first in the file is kept", On(1), "\nx\r\n", "\"\x85x\"\r\n"},
      {"0x1A and 0xB0 are text to ProCite, like 0xFF", On(1), "b\032c\xB0\xFF\xFE\r\n",
       "\"b\032c\xB0\xFF\xFE\"\r\n"},
      {"quotes and breaks anywhere in long text", On(1), gaps, gapsWritten},
      {"trailing breaks, tabs and quotes are no last record", On(1), "a\r\n\t\"\n", "\"a\"\r\n"},
      {"blank lines are neither counted nor written", On(1), "a\r\n\r\n\r\nb\r\n",
       "\"a\"\r\n\"b\"\r\n", 0, 3990, 4},
      {"values beyond the field count are ignored", On(46, 47),
       std::string(45, '\t') + "46\t47\t48\t49\r\n", "\"46\",\"47\"\r\n"},
      // Doubled: abcde"" (7 bytes); a cut at 6 would leave one quote.
      {"a cut never splits a doubled quote", On(1, 2), "abcde\"\tabcd\"x\r\n",
       "\"abcde\",\"abcd\"\"\"\r\n", 1, 6},
  };
  test::ExpectReads(Mode::ProCite, cases);
}

}  // namespace
}  // namespace tk
