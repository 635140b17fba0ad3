#include "export/CsvLine.h"
#include "export/ExportMessages.h"
#include "export/TaggedWriter.h"
#include "fields/ProgramModes.h"
#include "mock/FakeUi.h"
#include "mock/Faults.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tk {
namespace {

using Items = std::vector<std::string>;

// Data lines have their tabs made blanks first.
TEST(tagged_writer_test, comma_text_is_split_into_items) {
  const std::tuple<std::string_view, Items, bool> cases[] = {
      {"\"Smith, J.\",\"say \"\"hi\"\"\",\" \"\r\n", {"Smith, J.", "say \"hi\"", " "}, false},
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

  TaggedResult convert(Mode mode, const std::string& csvPath) {
    return ConvertCsvToTagged({mode, InfoOf(mode).fieldCount}, csvPath, out, ui);
  }
};

// EndNote: a generic header and 31 fields a record; ProCite: 47 fields, short
// lines giving empty ones; generic names land at the first ProCite field of
// that name; Reference Manager: authors and keywords split into tag lines.
// Header names match ignoring case, but not blanks.
TEST(tagged_writer_test, each_mode_writes_its_format_byte_for_byte) {
  const std::tuple<Mode, std::string, std::string, int> cases[] = {
      {Mode::EndNote, "endnote", ".tsv", 2},
      {Mode::ProCite, "procite", ".tsv", 2},
      {Mode::ProCiteGeneric, "generic", ".tsv", 1},
      {Mode::RefMan, "refman", ".ris", 2}};
  for (const auto& [mode, name, extension, records] : cases) {
    Conversion run;
    const std::string data = test::DataFile("export/" + name);
    // Braces: the conversion runs before its output is read.
    EXPECT_EQ((std::pair{run.convert(mode, data + ".csv").records, test::ReadBytes(run.out)}),
              std::pair(records, test::ReadBytes(data + ".expected" + extension)))
        << name;
  }
}

// Each joined value goes out as lines of its repeatable tag, trimmed; the
// handheld's type names as RIS codes; a DOI as DO.
TEST(tagged_writer_test, ris_writes_what_reading_joined_as_tag_lines) {
  const std::string header =
      "\"Ref Type\",\"Author 2\",\"Author-Series\",\"Keywords\",\"ISBN\",\"Address\",\"URL\","
      "\"Notes\",\"Availability\"\r\n";
  const struct {
    const char* behaviour;
    std::string line, ris;
  } cases[] = {
      {"a popup type becomes its code; every list splits, trimmed",
       "\"Book Whole\",\"Berg, K.; Lund, M.\",\"S, A.\",\"alpha;  beta ;\",\"1;2\",\"Dept A;Dept B\","
       "\"http://a;http://b\",\"one\x85two\",\"10.1/x\"",
       "TY  - BOOK\r\nN1  - one\r\nN1  - two\r\nKW  - alpha\r\nKW  - beta\r\nA2  - Berg, K.\r\n"
       "A2  - Lund, M.\r\nA3  - S, A.\r\nSN  - 1\r\nSN  - 2\r\nDO  - 10.1/x\r\nAD  - Dept A\r\n"
       "AD  - Dept B\r\nUR  - http://a\r\nUR  - http://b\r\n"},
      {"codes and unknown types stay as read; an address is no DOI",
       "\"JOUR\",,,,,,,,\"shelf 3\"", "TY  - JOUR\r\nAV  - shelf 3\r\n"},
      {"a type name is matched whole", "\"Journal Article\",,,,,,,,\"https://doi.org/10.2/y\"",
       "TY  - Journal Article\r\nDO  - https://doi.org/10.2/y\r\n"},
  };
  for (const auto& c : cases) {
    Conversion run;
    const std::string csv = run.dir.file("in.csv");
    test::WriteBytes(csv, header + c.line + "\r\n");
    EXPECT_EQ(run.convert(Mode::RefMan, csv).records, 1) << c.behaviour;
    EXPECT_EQ(test::ReadBytes(run.out), c.ris + "ER  - \r\n\r\n") << c.behaviour;
  }
}

// The chosen "EndNote Export": a tag line per author, editor, keyword and
// link, a DOI as %R, an abstract's lines after its tag, a blank line after
// each reference; no header.
TEST(tagged_writer_test, endnote_tagged_export_writes_what_reading_joined) {
  Conversion run;
  const std::string csv = run.dir.file("in.csv");
  test::WriteBytes(csv,
                   "\"Reference Type\",\"Author\",\"Year\",\"Title\",\"Editor\",\"Keywords\","
                   "\"Abstract\",\"URL\",\"Custom 4\"\r\n"
                   "\"Journal Article\",\"Doe, J.;Roe, R.\",\"2001\",\"Heat\",\" \",\"a; b\","
                   "\"One.\x85Two.\",\"http://u;10.1/x\",\"c4\"\r\n"
                   "\"Book\",,,\"T\"\r\n");
  const TaggedResult result =
      ConvertCsvToTagged({Mode::EndNote, InfoOf(Mode::EndNote).fieldCount, Charset::Windows1252, true},
                         csv, run.out, run.ui);
  EXPECT_EQ(result.records, 2);
  EXPECT_EQ(test::ReadBytes(run.out),
            "%0 Journal Article\r\n%A Doe, J.\r\n%A Roe, R.\r\n%D 2001\r\n%T Heat\r\n"
            "%K a\r\n%K b\r\n%X One.\r\nTwo.\r\n%U http://u\r\n%R 10.1/x\r\n%4 c4\r\n\r\n"
            "%0 Book\r\n%T T\r\n\r\n");
}

// The file is written whole or the earlier one stays; the notice says why.
TEST(tagged_writer_test, conversion_writes_all_or_nothing_and_says_why) {
  TK_SKIP_WITHOUT_LINUX_FAULTS();
  const auto titles = [](int count, const std::string& value = "t") {
    std::string csv = "\"Title\"\r\n";
    for (int i = 0; i < count; ++i) csv += "\"" + value + "\"\r\n";
    return csv;
  };
  const std::string longRecord = "\"" + std::string(31996, 'a') + "\"\r\n";
  const std::string laterWins = "\"WorkSheet\",\"worksheet\"\r\n\"first\",\"second\"";
  // RIS lines follow the field order, to the last field.
  const std::string risFieldOrder = "\"URL\",\"Ref Type\"\r\n\"u\",\"JOUR\"\r\n";
  const std::string nulLine("\0\r\n", 3);  // a byte of 0 is no end
  const Notice tooLong = {MessageKind::Error, "Records of more than 32K Not supported"};
  const Notice limit = {MessageKind::Information, "Transfer Stopped too many records to transfer"};
  const struct {
    std::string csv;  // "-": no file, "!": unreadable, "stop": three records and a stop
    std::int32_t records;
    std::string written;  // the file's bytes, or how many lines it has
    std::vector<Notice> notices;
    Mode mode = Mode::ProCite;
    long counted = -1;  // records shown on the counter, when not `records`
  } cases[] = {
      {"-", 0, "earlier", {{MessageKind::Error, "Couldnt load csv File"}}},
      {"!", 0, "earlier", {{MessageKind::Error, "Couldnt read csv file"}}},
      {"stop", 0, "earlier", {}},
      {"", 0, "earlier", {}},
      {laterWins, 1, "second" + std::string(46, '\t') + "\r\n", {}},
      {titles(1, std::string(31995, 'a')), 1, "1 lines", {}},
      {titles(0) + longRecord, 0, "earlier", {tooLong}},
      {longRecord, 0, "earlier", {tooLong}},
      {titles(65535), 65535, "65535 lines", {}},
      {titles(1) + nulLine, 2, "2 lines", {}},
      // More than a database holds: a part must not pass for the whole.
      {titles(65535) + nulLine, 0, "earlier", {limit}, Mode::ProCite, 65535},
      {risFieldOrder, 1, "TY  - JOUR\r\nUR  - u\r\nER  - \r\n\r\n", {}, Mode::RefMan},
  };
  for (const auto& c : cases) {
    Conversion run;
    const std::string csv = run.dir.file("in.csv");
    if (c.csv == "!") test::UnreadableFile(csv);
    if (c.csv != "-" && c.csv != "!") test::WriteBytes(csv, c.csv == "stop" ? titles(3) : c.csv);
    run.ui.stop = c.csv == "stop";
    test::WriteBytes(run.out, "earlier");
    const TaggedResult result = run.convert(c.mode, csv);
    const std::string out = test::ReadBytes(run.out);
    const auto lines = std::to_string(std::count(out.begin(), out.end(), '\n')) + " lines";
    EXPECT_EQ(std::tuple(TaggedNotices(result), result.records, result.failedFile,
                         run.ui.recordUpdates, c.written.ends_with(" lines") ? lines : out),
              std::tuple(c.notices, c.records, c.records ? "" : csv,
                         c.counted < 0 ? long{c.records} : c.counted, c.written))
        << c.csv.substr(0, 20);
  }
}

}  // namespace
}  // namespace tk
