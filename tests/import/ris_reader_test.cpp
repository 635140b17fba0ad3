#include "import/RisReader.h"

#include "ImportFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tk {
namespace {

using test::On;
using test::ReaderRun;

}  // namespace

TEST(ris_reader_test, tagged_lines_become_records) {
  const std::string huge(100000, 'n');
  const struct {
    const char* behaviour;
    std::vector<int> fields;
    std::string input, records;
    int truncated = 0, maxWidth = 3990;
  } cases[] = {
      {"authors and keywords join, other tags keep the last", On(4, 6, 7, 11),
       "TY  - JOUR\nA1  - One\nAU  - Two\nN1  - note\nAB  - abstract\nKW  - k1\nKW  - k2\n"
       "JF  - a\nJO  - b\nJA  - c\nJ1  - d\nJ2  - e\nER  - \n",
       "\"One;Two\",\"abstract\",\"k1;k2\",\"e\"\r\n"},
      {"lines outside records and unknown tags are ignored", On(1, 3),
       "junk\nT1  - lost\nTY  - BOOK\nt1  - lower\nT1  -glued\nXX  - other\nT1  - kept\nER  - \n"
       "between\nTY  - JOUR\nER  - \n",
       "\"BOOK\",\"kept\"\r\n\"JOUR\",\"\"\r\n"},
      {"a byte-order mark is skipped", On(1), "\xEF\xBB\xBFTY  - JOUR\r\nER  - \r\n",
       "\"JOUR\"\r\n"},
      {"half a byte-order mark is text of its own line", On(1), "\xEF\xBB\nTY  - B\nER  - \n",
       "\"B\"\r\n"},
      {"CR LF, LF and a lone CR all end lines", On(1, 3, 12),
       "TY  - A\r\nT1  - t\nVL  - 9\rER  - \r\rTY  - B\n\nER  - ",
       "\"A\",\"t\",\"9\"\r\n\"B\",\"\",\"\"\r\n"},
      {"an end line without its trailing blank ends the record", On(1),
       "TY  - A\nER  -\nTY  - B\nER  -\n", "\"A\"\r\n\"B\"\r\n"},
      {"a type line inside an open record starts a new one", On(1, 3),
       "TY  - A\nT1  - first\nTY  - B\nT1  - second\nER  - \n",
       "\"A\",\"first\"\r\n\"B\",\"second\"\r\n"},
      {"continuation lines join the previous value", On(1, 4, 6),
       "TY  - JOUR\n  more type\t \nA1  - Smith\n\tand Jones  \n\nN1  - a\n ER then b\n*B  - c\nOk "
       "x-ray\n"
       "ER  - \n",
       "\"JOUR more type\",\"Smith and Jones\",\"a ER then b *B  - c Ok x-ray\"\r\n"},
      {"a continuation after an unknown tag is ignored with it", On(3, 6),
       "TY  - x\nT1  - title\nAB -\nmore\nN1  - note\nXY  - other\nstill other\nPB  -\nmore\n"
       "ER  - \n",
       "\"title\",\"note\"\r\n"},
      {"a last record without an end line is converted", On(1, 33),
       "TY  - A\nER  - \nTY  - B\nUR  - x.com", "\"A\",\"\"\r\n\"B\",\"x.com\"\r\n"},
      // Found by the fuzz target: an empty value had no storage to append to.
      {"a tag with an empty value, then a continuation", On(1, 2),
       std::string("TY  - \n]\x13\0t", 11), std::string("\" ]\x13\0t\",\"\"\r\n", 12)},
      {"no selected field gives bare line ends", On(), "TY  - x\nER  - \n", "\r\n"},
      // abc"d fits 5 but not once doubled; abcd" would leave half a pair.
      {"quotes are doubled after the cut and never split", On(3, 6, 13),
       "TY  - x\nT1  - say \"hi\"\nN1  - abc\"d\nT2  - abcd\"\nER  - \n",
       "\"say \",\"abc\"\"\",\"abcd\"\r\n", 1, 5},
      {"a value as long as its width is not cut", On(3), "TY  - x\nT1  - abcde\nER  - \n",
       "\"abcde\"\r\n", 0, 5},
      {"lines of any length are read whole", On(6, 7),
       "TY  - x\nN1  - " + huge + "\nKW  - k\nER  - \n",
       "\"" + huge.substr(0, 3990) + "\",\"k\"\r\n", 1},
  };
  for (const auto& c : cases) {
    ReaderRun r(c.input);
    const ReadResult result =
        ReadRefManExport(test::Fields(kModeRefMan, c.fields, c.maxWidth), r.run, r.ui);
    EXPECT_EQ(result.records, std::count(c.records.begin(), c.records.end(), '\n')) << c.behaviour;
    EXPECT_EQ(result.truncated, c.truncated) << c.behaviour;
    EXPECT_EQ(r.records(), c.records) << c.behaviour;
    EXPECT_EQ(r.ui.lastRecord, result.records) << c.behaviour;
  }
}

// Samples from public projects (tests/data/ris, MIT licence): how many
// records each gives, and what some of them hold.
TEST(ris_reader_test, samples_give_their_records) {
  const struct {
    const char* name;
    int count;
    std::vector<int> fields = {};
    std::string records = "";
  } samples[] = {
      {"rispy/example_bom.ris", 1},
      {"rispy/example_extraneous_data.ris", 2},
      {"rispy/example_full_without_whitespace.ris", 2},
      {"rispy/example_multiline.ris", 3, On(6), "\"first line * second line * last line\"\r\n"},
      {"rispy/example_utf_chars.ris", 1},
      {"jabref/RisImporterTest1.ris", 11},
      {"jabref/RisImporterCorrupted.ris", 0},
      {"jabref/RisImporterTestWithEmptyER.ris", 1},
      {"jabref/RisImporterTest6.ris", 1},
      {"citation-js/endnote-style-delimiters.ris", 2},
      {"citation-js/issue215-no-ER-at-eof.ris", 1},
      {"citation-js/pr248-1-preamble-empty-tags.ris", 1, On(1, 14, 16, 17),
       "\"Chap\",\"Frood, Elizabeth\",\"Oxford\",\"Griffith Institute\"\r\n"},
      {"derived/cr-only-from-rispy-example_full.ris", 2},
      {"derived/cp1252-crlf-from-jabref-scopus.ris", 1},
      {"derived/lowercase-tags-from-jabref-test7.ris", 0},
  };
  for (const auto& s : samples) {
    ReaderRun r("");
    r.run.inputPath = test::DataFile(std::string("ris/") + s.name);
    const ReadResult result = ReadRefManExport(test::Fields(kModeRefMan, s.fields), r.run, r.ui);
    EXPECT_EQ(result.records, s.count) << s.name;
    EXPECT_NE(r.records().find(s.records), std::string::npos) << s.name;
  }
}

}  // namespace tk
