#include "export/CsvLine.h"
#include "export/ExportMessages.h"
#include "export/TaggedWriter.h"
#include "fields/FieldCatalogue.h"
#include "fields/ProgramModes.h"
#include "mock/Expect.h"
#include "mock/FakeUi.h"
#include "mock/Faults.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tk {
namespace {

using Items = std::vector<std::string>;

// Data lines have their tabs made blanks first. (Quoted commas, blanks and
// doubled quotes are in each mode's file below.)
TEST(tagged_writer_test, comma_text_is_split_into_items) {
  const std::tuple<std::string_view, Items, bool> cases[] = {
      {"  two words,x\r\n", {"two", "words", "x"}, false},
      {"\1a\1b", {"a", "b"}, false},
      {"a,,b,\r\n", {"a", "", "b"}, false},
      {"\r\n", {}, false},
      // An unclosed quote runs to the end of the line, less its last character.
      {"\"abc,def\"", {"abc,def"}, false},
      {"\"abc,def", {"abc,de"}, false},
      {"\"a\tb\",c\td\r\n", {"a b", "c", "d"}, true},
  };
  for (const auto& [line, expected, dataLine] : cases) {
    Items items = {"left over"};
    dataLine ? ParseDataLine(std::string(line), items) : ParseCommaText(line, items);
    EXPECT_EQ(items, expected) << line;
  }
}

struct Conversion {
  test::FakeUi ui;
  test::TempFolder dir;
  std::string out = dir.file("out.txt");
};

// EndNote: a generic header and 31 fields a record; ProCite: 47 fields, short
// lines giving empty ones; generic names land at the first ProCite field of
// that name; Reference Manager: authors and keywords split into tag lines.
// Header names match ignoring case, but not blanks; of two columns feeding
// one field, the later wins; a last line needs no end. RIS, in field order:
// every joined value as lines of its repeatable tag, trimmed; a popup type
// name as its code (matched whole; codes and unknown names stay); a DOI, not
// an address, as DO. The chosen "EndNote Export": a tag line per author,
// editor, keyword and link, a DOI as %R, an abstract's lines after its tag, a
// blank line after each reference; no header.
TEST(tagged_writer_test, each_mode_writes_its_format_byte_for_byte) {
  const struct {
    Mode mode;
    std::string name, extension;
    int records;
    bool endNoteTagged = false;
  } cases[] = {
      {Mode::EndNote, "endnote", ".tsv", 2}, {Mode::EndNote, "endnote-tagged", ".txt", 2, true},
      {Mode::ProCite, "procite", ".tsv", 2}, {Mode::ProCiteGeneric, "generic", ".tsv", 1},
      {Mode::RefMan, "refman", ".ris", 2},   {Mode::RefMan, "refman-lists", ".ris", 3}};
  for (const auto& c : cases) {
    Conversion run;
    const std::string data = test::DataFile("export/" + c.name);
    const TaggedFormat format{c.mode, InfoOf(c.mode).fieldCount, Charset::Windows1252,
                              c.endNoteTagged};
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ConvertCsvToTagged(format, data + ".csv", run.out, run.ui).records, c.records);
    EXPECT_TRUE(test::FileHolds(run.out, test::ReadBytes(data + ".expected" + c.extension)));
  }
}

// A RIS reader takes no record without its TY line, so a record whose type
// is empty, or a database without the type column, goes out as GEN. A value
// is split at the handheld set's own line-break mark before it is turned into
// the file's set, so a byte of the mark inside a character (UTF-8 "\xC3\x85"
// is "\xC5") never splits it; a two-byte set marks line breaks with 0xFF.
// Windows-1252 written from another set keeps what it can.
TEST(tagged_writer_test, ris_records_are_typed_and_values_leave_the_handheld_set_at_its_marks) {
  const std::string end = "ER  - \r\n\r\n", notes = "\"Ref Type\",\"Notes\"\r\n\"JOUR\",\"";
  const struct {
    const char* behaviour;
    PalmCharset palm;
    Charset charset;
    std::string csv, expected;
  } cases[] = {
      {"an empty type", PalmCharset::Windows1252, Charset::Windows1252,
       "\"Ref Type\",\"Title 1 \"\r\n\" \",\"A\"\r\n\"JOUR\",\"B\"\r\n",
       "TY  - GEN\r\nT1  - A\r\n" + end + "TY  - JOUR\r\nT1  - B\r\n" + end},
      {"no type column", PalmCharset::Windows1252, Charset::Windows1252,
       "\"Title 1 \"\r\n\"C\"\r\n", "TY  - GEN\r\nT1  - C\r\n" + end},
      {"Windows-1252 to UTF-8", PalmCharset::Windows1252, Charset::Utf8,
       notes + "\xC5ngstr\xF6m\x85two\"\r\n",
       "\xEF\xBB\xBFTY  - JOUR\r\nN1  - \xC3\x85ngstr\xC3\xB6m\r\nN1  - two\r\n" + end},
      {"GBK to UTF-8", PalmCharset::Gbk, Charset::Utf8,
       notes + "\xB1\xB1\xFF\xBE\xA9\x85\x40\"\r\n",
       "\xEF\xBB\xBFTY  - JOUR\r\nN1  - \xE5\x8C\x97\r\nN1  - \xE4\xBA\xAC\xE5\x8C\x91\r\n" + end},
      {"Cyrillic to Windows-1252", PalmCharset::Windows1251, Charset::Windows1252,
       notes + "\xC0 \x88\x85" + "b\"\r\n", "TY  - JOUR\r\nN1  - ? \x80\r\nN1  - b\r\n" + end},
  };
  for (const auto& c : cases) {
    Conversion run;
    const std::string csv = run.dir.file("in.csv");
    test::WriteBytes(csv, c.csv);
    const TaggedFormat format{Mode::RefMan, InfoOf(Mode::RefMan).fieldCount, c.charset, false,
                              c.palm};
    const auto records = std::count(c.csv.begin(), c.csv.end(), '\n') - 1;
    EXPECT_EQ(ConvertCsvToTagged(format, csv, run.out, run.ui).records, records) << c.behaviour;
    EXPECT_TRUE(test::FileHolds(run.out, c.expected)) << c.behaviour;
  }
}

// The notices with <csv> in place of the CSV's path.
std::vector<Notice> Named(std::vector<Notice> notices, const std::string& csv) {
  for (Notice& notice : notices) {
    if (const auto at = notice.text.find("<csv>"); at != std::string::npos)
      notice.text.replace(at, 5, csv);
  }
  return notices;
}

// The file is written whole or the earlier one stays; the notice says why.
TEST(tagged_writer_test, conversion_writes_all_or_nothing_and_says_why) {
  TK_SKIP_WITHOUT_LINUX_FAULTS();
  const auto titles = [](int count, const std::string& value = "t") {
    std::string csv = "\"" + std::string(FieldLabel(Mode::ProCite, 1)) + "\"\r\n";
    for (int i = 0; i < count; ++i) csv += "\"" + value + "\"\r\n";
    return csv;
  };
  const std::string longRecord = "\"" + std::string(31996, 'a') + "\"\r\n";
  const std::string nulLine("\0\r\n", 3);  // a byte of 0 is no end
  const Notice tooLong = ErrorNotice("Records of more than 32K Not supported");
  const Notice limit = InformationNotice("Transfer Stopped too many records to transfer");
  const struct {
    std::string csv;  // "-": no file, "!": unreadable, "stop": three records and a stop
    std::int32_t records;
    std::string written;  // the file's bytes, or how many lines it has
    std::vector<Notice> notices;
    long counted = -1;  // records shown on the counter, when not `records`
  } cases[] = {
      {"-", 0, "earlier", {ErrorNotice("Couldnt load csv File")}},
      {"!", 0, "earlier", {ErrorNotice("Couldnt read csv file")}},
      {"stop", 0, "earlier", {}},
      {"",
       0,
       "earlier",
       {ErrorNotice("<csv> holds no line of field names, so nothing was written.")}},
      {titles(1, std::string(31995, 'a')), 1, "1 lines", {}},
      {titles(0) + longRecord, 0, "earlier", {tooLong}},
      {longRecord, 0, "earlier", {tooLong}},
      {titles(65535), 65535, "65535 lines", {}},
      {titles(1) + nulLine, 2, "2 lines", {}},
      // More than a database holds: a part must not pass for the whole.
      {titles(65535) + nulLine, 0, "earlier", {limit}, 65535},
  };
  for (const auto& c : cases) {
    Conversion run;
    const std::string csv = run.dir.file("in.csv");
    if (c.csv == "!") test::UnreadableFile(csv);
    if (c.csv != "-" && c.csv != "!") test::WriteBytes(csv, c.csv == "stop" ? titles(3) : c.csv);
    run.ui.stop = c.csv == "stop";
    test::WriteBytes(run.out, "earlier");
    const TaggedFormat format{Mode::ProCite, InfoOf(Mode::ProCite).fieldCount};
    const TaggedResult result = ConvertCsvToTagged(format, csv, run.out, run.ui);
    const std::string out = test::ReadBytes(run.out);
    const auto lines = std::to_string(std::count(out.begin(), out.end(), '\n')) + " lines";
    SCOPED_TRACE(c.csv.substr(0, 20));
    EXPECT_EQ(TaggedNotices(result, Mode::ProCite, "db"), Named(c.notices, csv));
    EXPECT_EQ(result.records, c.records);
    EXPECT_EQ(result.failedFile, c.records ? "" : csv);
    EXPECT_EQ(run.ui.recordUpdates, c.counted < 0 ? long{c.records} : c.counted);
    EXPECT_EQ(c.written.ends_with(" lines") ? lines : out, c.written);
  }
}

// A database whose columns are no field of the mode would come out as empty
// records over the earlier file: refused. (Naming the mode the columns are
// fields of is tomekit-cli's end-to-end test.)
TEST(tagged_writer_test, a_database_of_another_mode_is_refused_and_the_earlier_file_kept) {
  Conversion run;
  const std::string csv = run.dir.file("in.csv");
  test::WriteBytes(csv, "\"Unheard of\"\r\n\"Book\"\r\n");
  test::WriteBytes(run.out, "earlier");
  const TaggedResult result =
      ConvertCsvToTagged({Mode::EndNote, InfoOf(Mode::EndNote).fieldCount}, csv, run.out, run.ui);
  EXPECT_EQ(result.outcome, TaggedOutcome::WrongMode);
  EXPECT_EQ(TaggedNotices(result, Mode::EndNote, "RM-x.PDB"),
            (std::vector<Notice>{ErrorNotice(
                "RM-x.PDB has no column that is a field of EndNote mode (tomekit-cli --mode "
                "endnote), so nothing was written.")}));
  EXPECT_EQ(test::ReadBytes(run.out), "earlier");
}

}  // namespace
}  // namespace tk
