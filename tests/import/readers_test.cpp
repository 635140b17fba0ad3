// The readers turn an export into the CSV jconv5 reads (the generic mode's
// pre-pass into a reduced tab-separated file); what keeps them from reading
// comes back as a value, never as a message.
#include "ImportFixture.h"

#include <algorithm>
#include <functional>
#include <tuple>

namespace tk {
namespace {

using test::On;
using test::ReaderRun;
using test::UpTo;
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

// The numbered columns, tab-separated.
std::string Columns(const std::vector<int>& numbers) {
  std::string line;
  for (int n : numbers) line += (line.empty() ? "c" : "\tc") + std::to_string(n);
  return line;
}

}  // namespace

// Each case's records are its output's lines.
TEST(readers_test, exports_become_records) {
  const auto [gaps, gapsWritten] = BreaksAndQuotesAtEveryGap();
  const std::string x(200000, 'x'), a(100, 'a'), a80 = "\"" + a.substr(0, 80) + "\"";
  const std::string huge(100000, 'n'), quotes(70000, '"');
  const std::string generic =  // the 24 columns the generic database keeps
      Columns(On(1, 2, 3, 6, 9, 11, 12, 14, 20, 21, 22, 23, 24, 26, 27, 32, 34, 39, 40, 42, 44, 45,
                 46, 47));
  const Mode en = Mode::EndNote, pc = Mode::ProCite, ris = Mode::RefMan, gen = Mode::ProCiteGeneric;
  const struct {
    const char* behaviour;
    Mode mode;
    std::vector<int> fields;
    std::string input, records;
    int truncated = 0, maxWidth = 3990, counted = 0;  // counter moves, if not once a record
  } cases[] = {
      {"empty values become one blank", en, On(1, 2, 3, 4), "\t\tx\t" + kEnd,
       "\" \",\" \",\"x\",\" \"\r\n"},
      {"line breaks in a value become 0x85, after a record end vanish", en, On(1, 15),
       "Book" + std::string(14, '\t') + "one\r\ntwo\r\nthree" + kEnd + "\r\n\r\nBook" + kEnd,
       "\"Book\",\"one\x85two\x85three\"\r\n\"Book\",\r\n"},
      {"a line break first in the file is kept", pc, On(1), "\nx\r\n", "\"\x85x\"\r\n"},
      {"0x1A ends an EndNote export", en, On(1), "a" + kEnd + "b\032c" + kEnd,
       "\"a\"\r\n\"b\"\r\n"},
      {"0x1A and 0xB0 are text to ProCite, like 0xFF", pc, On(1), "b\032c\xB0\xFF\xFE\r\n",
       "\"b\032c\xB0\xFF\xFE\"\r\n"},
      {"quotes and breaks anywhere in long text", pc, On(1), gaps, gapsWritten},
      // jconv5 has always been given a comma after the last value of a
      // record that is shorter than the selection.
      {"a last record without its end; a short record keeps the comma after its last value", en,
       On(1, 2), "a" + kEnd + "\r\nb\t", "\"a\",\r\n\"b\",\" \"\r\n"},
      {"trailing breaks, tabs and quotes are no last record", pc, On(1), "a\r\n\t\"\n",
       "\"a\"\r\n"},
      {"ProCite blank lines are neither counted nor written", pc, On(1), "a\r\n\r\n\r\nb\r\n",
       "\"a\"\r\n\"b\"\r\n", 0, 3990, 4},
      {"values beyond the field count are ignored", pc, On(46, 47),
       std::string(45, '\t') + "46\t47\t48\t49\r\n", "\"46\",\"47\"\r\n"},
      // Doubled: abcde"" (7 bytes); a cut at 6 would leave one quote.
      {"a cut never splits a doubled quote", pc, On(1, 2), "abcde\"\tabcd\"x\r\n",
       "\"abcde\",\"abcd\"\"\"\r\n", 1, 6},
      {"records of any length, cut once per record; a value of its width is not cut", en, On(1, 2),
       "a\t" + x + kEnd + "b\t" + a.substr(0, 80) + kEnd + a + "\t" + a + kEnd,
       "\"a\",\"" + x.substr(0, 80) + "\"\r\n\"b\"," + a80 + "\r\n" + a80 + "," + a80 + "\r\n", 2,
       80},

      {"kept columns in order; a short record ends with a tab, columns past 47 are dropped", gen,
       On(), Columns(UpTo(10)) + "\r\n" + Columns(UpTo(50)) + "\r\n",
       "c1\tc2\tc3\tc6\tc9\t\r\n" + generic + "\r\n"},
      {"empty columns become one blank", gen, On(), "\tc2\t\tc4\t\r\n", " \tc2\t \t\r\n"},
      {"records of any length are copied whole", gen, On(), "a\t" + huge + "\r\nb\r\n",
       "a\t" + huge + "\t\r\nb\t\r\n"},
      {"a last record without its CR", gen, On(), "a\r\nb\tc", "a\t\r\nb\tc\t\r\n"},
      {"trailing breaks, tabs and quotes are no record", gen, On(), "a\r\n\t\"\t\n", "a\t\r\n"},
      {"an overlong start of a last record still ends its line", gen, On(), "a\r\n" + quotes,
       "a\t\r\n" + quotes + "\t\r\n"},
      {"bare line feeds become 0x85, even first; blank lines stay", gen, On(),
       "\none\ntwo\r\n\r\n\xFF\r\n", "\x85one\x85two\t\r\n\r\n\xFF\t\r\n"},
      {"quotes stay single; the ProCite reader doubles them", gen, On(), "say \"hi\"\tid\r\n",
       "say \"hi\"\tid\t\r\n"},

      {"lines outside records and unknown tags are ignored", ris, On(1, 3),
       "junk\nT1  - lost\nTY  - BOOK\nt1  - lower\nT1  -glued\nXX  - other\nT1  - kept\nER  - \n"
       "between\nTY  - JOUR\nER  - \n",
       "\"BOOK\",\"kept\"\r\n\"JOUR\",\"\"\r\n"},
      {"a byte-order mark is skipped", ris, On(1), "\xEF\xBB\xBFTY  - JOUR\r\nER  - \r\n",
       "\"JOUR\"\r\n"},
      {"half a byte-order mark is text of its own line", ris, On(1), "\xEF\xBB\nTY  - B\nER  - \n",
       "\"B\"\r\n"},
      {"CR LF, LF and a lone CR all end lines", ris, On(1, 3, 12),
       "TY  - A\r\nT1  - t\nVL  - 9\rER  - \r\rTY  - B\n\nER  - ",
       "\"A\",\"t\",\"9\"\r\n\"B\",\"\",\"\"\r\n"},
      {"a type line inside an open record starts a new one; an end line needs no blank", ris,
       On(1, 3), "TY  - A\nT1  - first\nTY  - B\nT1  - second\nER  -\nT1  - lost\n",
       "\"A\",\"first\"\r\n\"B\",\"second\"\r\n"},
      {"continuation lines join the previous value", ris, On(1, 4, 6),
       "TY  - JOUR\n  more type\t \nA1  - Smith\n\tand Jones  \n\nN1  - a\n ER then b\n*B  - c\n"
       "Ok x-ray\nER  - \n",
       "\"JOUR more type\",\"Smith and Jones\",\"a ER then b *B  - c Ok x-ray\"\r\n"},
      {"a continuation after an unknown tag is ignored with it", ris, On(3, 6),
       "TY  - x\nT1  - title\nAB -\nmore\nN1  - note\nXY  - other\nstill other\nPB  -\nmore\n"
       "ER  - \n",
       "\"title\",\"note\"\r\n"},
      {"a last record without an end line is converted", ris, On(1, 33),
       "TY  - A\nER  - \nTY  - B\nUR  - x.com", "\"A\",\"\"\r\n\"B\",\"x.com\"\r\n"},
      // Found by the fuzz target: an empty value had no storage to append to.
      {"a tag with an empty value, then a continuation", ris, On(1, 2),
       std::string("TY  - \n]\x13\0t", 11), std::string("\" ]\x13\0t\",\"\"\r\n", 12)},
      {"no selected field gives bare line ends", ris, On(), "TY  - x\nER  - \n", "\r\n"},
      // abc"d fits 5 but not once doubled; abcd" would leave half a pair.
      {"quotes are doubled after the cut and never split", ris, On(3, 6, 13),
       "TY  - x\nT1  - say \"hi\"\nN1  - abc\"d\nT2  - abcd\"\nER  - \n",
       "\"say \",\"abc\"\"\",\"abcd\"\r\n", 1, 5},
      {"a value as long as its width is not cut", ris, On(3), "TY  - x\nT1  - abcde\nER  - \n",
       "\"abcde\"\r\n", 0, 5},
      {"lines of any length are read whole", ris, On(6, 7),
       "TY  - x\nN1  - " + huge + "\nKW  - k\nER  - \n",
       "\"" + huge.substr(0, 3990) + "\",\"k\"\r\n", 1},
  };
  for (const auto& c : cases) {
    ReaderRun r(c.mode, c.input);
    const ReadResult result = r.read(c.fields, c.maxWidth);
    const int count = std::count(c.records.begin(), c.records.end(), '\n');
    // ProCite moves the counter before it knows whether a line is a record.
    EXPECT_EQ(std::tuple(result.status, result.records, result.truncated, r.records(),
                         r.ui.lastRecord + (c.mode == pc), r.ui.recordUpdates),
              std::tuple(ReadStatus::Read, count, c.truncated, c.records, count,
                         c.counted ? c.counted : count))
        << c.behaviour;
  }
}

// Samples from public projects (tests/data/ris, MIT licence): how many
// records each gives, and what some of them hold.
TEST(readers_test, ris_samples_give_their_records) {
  const struct {
    const char* name;
    int count;
    std::vector<int> fields = {};
    std::string records = "";
  } samples[] = {
      {"rispy/example_extraneous_data.ris", 2},
      {"rispy/example_multiline.ris", 3, On(6), "\"first line * second line * last line\"\r\n"},
      {"rispy/example_utf_chars.ris", 1},
      {"jabref/RisImporterTest1.ris", 11},
      {"jabref/RisImporterCorrupted.ris", 0},
      {"jabref/RisImporterTestWithEmptyER.ris", 1},
      {"jabref/RisImporterTest6.ris", 1},
      {"citation-js/endnote-style-delimiters.ris", 2},
      {"citation-js/pr248-1-preamble-empty-tags.ris", 1, On(1, 14, 16, 17),
       "\"Chap\",\"McDonald, Angela;Roberts, R. Gareth;Frood, Elizabeth\",\"Oxford\",\"Griffith Institute\"\r\n"},
      {"derived/cp1252-crlf-from-jabref-scopus.ris", 1},
      {"derived/lowercase-tags-from-jabref-test7.ris", 0},
  };
  for (const auto& s : samples) {
    ReaderRun r(Mode::RefMan, "");
    r.run.inputPath = test::DataFile(std::string("ris/") + s.name);
    EXPECT_EQ(r.read(s.fields).records, s.count) << s.name;
    EXPECT_NE(r.records().find(s.records), std::string::npos) << s.name;
  }
}

TEST(readers_test, every_reader_reports_each_fault_as_a_value) {
  TK_SKIP_WITHOUT_LINUX_FAULTS();
  const struct {
    Mode mode;
    int field;
    std::string header, input;  // the input holds one record
  } readers[] = {
      {Mode::EndNote, 2, "\"Author\"\r\n", "x\ty\xB0"},
      {Mode::ProCite, 2, "\"Record ID\"\r\n", "x\ty\r\n"},
      {Mode::RefMan, 1, "\"Ref Type\"\r\n", "TY  - x\nER  - \n"},
      {Mode::ProCiteGeneric, 1, "", "x\ty\r\n"},
  };
  for (const auto& reader : readers) {
    // Each fault, the status it gives and what the output then holds; an
    // earlier run's output is there before each. Reading /proc/self/mem fails
    // at its first byte.
    const std::tuple<std::function<void(ReaderRun&)>, ReadStatus, std::string> faults[] = {
        {[](ReaderRun& r) { r.run.csvPath = r.folder.file("missing/export.csv"); },
         ReadStatus::OutputNotOpened, ""},
        {[](ReaderRun& r) { r.run.inputPath = r.folder.file("gone.txt"); },
         ReadStatus::InputNotOpened, reader.header},
        {[](ReaderRun& r) { r.run.inputPath = "/proc/self/mem"; }, ReadStatus::InputNotRead,
         reader.header},
        {[](ReaderRun& r) { test::FullDiskFor(test::TkPartOf(r.output())); }, ReadStatus::Read,
         "earlier"},
        {[](ReaderRun& r) { r.ui.stop = true; }, ReadStatus::Stopped, "earlier"},
    };
    for (const auto& [fault, status, output] : faults) {
      ReaderRun r(reader.mode, reader.input);
      fault(r);
      test::WriteBytes(r.output(), "earlier");
      const ReadResult result = r.read({reader.field});
      EXPECT_EQ(
          std::tuple(result.status, result.records, result.failedFile, test::ReadBytes(r.output()),
                     r.ui.messages.size(), test::LeftBehind(test::TkPartOf(r.output()))),
          std::tuple(status, 0, status == ReadStatus::Read ? r.output() : "", output, 0u, false))
          << InfoOf(reader.mode).cliName;
    }
  }
}

}  // namespace tk
