// The two text inputs Tomekit writes (its CSV dialect and the IFO
// description), and the two conversions in memory: CSV + IFO to a database,
// and back.
#include "jconv5/Jconv5Fixtures.h"
#include "jconv5/pdb/Convert.h"
#include "jconv5/pdb/Csv.h"
#include "jconv5/pdb/Ifo.h"

#include <gtest/gtest.h>

namespace jconv5 {
namespace {

using namespace test;

constexpr std::uint32_t kWhen = 0xBC000000;

// The IFO has every setting at the edge of its range, blanks and tabs around
// the items, each kind of line end, a blank line before the first section,
// and a word that only looks like a section header.
TEST(build_database_test, writes_a_jfile5_database_that_reads_back) {
  const std::string book = CsvLineOf({"Book", "Say \"\"hi\"\"\x85there", " "});
  const std::string csv =
      CsvLineOf({"Type", "A very long field name indeed", "Tags"}) + book + CsvLineOf({"Journal"});
  const std::string ifo =
      " JFile5\t\r\n0\t65535  81 \n-32768 32767 0\r32767\r\n65535\r\n4660\r\n"
      "-2147483648 4294967295 7\r\n1 2 3\r\n 09AFaf "
      "\r\n\r\npopupa\r\nBook\r\n\r\npopupaa\r\npopupc";
  const std::string pdb = BuildDatabase(csv, ifo, "EN-My Refs, a rather long name!", kWhen);
  const std::string appInfo =
      FixedPart({{"Type", 0, -32768, 0x80000000, 1},
                 {"A very long field name indeed", 65535, 32767, 0xFFFFFFFF, 2},
                 {"Tags", 81, 0, 7, 3}},
                32767, 4660, 65535) +
      "popupa\0Book\0\x07\0popupaa\0popupc\0\0\x09\xAF\xAF"s;
  const std::string record1 = B16(5) + B16(15) + B16(1) + "Book\0Say \"hi\"\nthere\0\0"s;
  const std::uint32_t first = 96 + appInfo.size();
  EXPECT_EQ(pdb, Padded("EN-My Refs, a rather long name", 32) + B16(8) + B16(0x0801) + B32(kWhen) +
                     B32(kWhen) + B32(0) + B32(0) + B32(96) + B32(0) + "JfD5JFi5" + B32(3) +
                     B32(0) + B16(2) + B32(first) + B32(0x40000001) + B32(first + record1.size()) +
                     B32(0x40000002) + B16(0) + appInfo + record1 + B16(8) + B16(1) + B16(1) +
                     "Journal\0\0\0"s);
  EXPECT_EQ(ExtractCsv(pdb), CsvLineOf({"Type", "A very long field na", "Tags"}) + book +
                                 CsvLineOf({"Journal", " ", " "}));
}

// Values in a set of two-byte characters mark their line breaks with 0xFF,
// as 0x85 is then a byte of a character: it passes both ways untouched.
TEST(build_database_test, a_line_break_mark_of_0xFF_leaves_0x85_to_the_characters) {
  const std::string csv = CsvLineOf({"Title"}) + CsvLineOf({"\x85\x40\xFF\x81\x85"});
  const std::string pdb = BuildDatabase(csv, Ifo(1), "EN-x", kWhen, '\xFF');
  EXPECT_NE(pdb.find("\x85\x40\n\x81\x85\0"s), std::string::npos);
  EXPECT_EQ(ExtractCsv(pdb, '\xFF'), csv);
}

// 25 popup lists, each cut to 100 items of 24 characters but the last,
// whose appInfo block takes 63,991 bytes plus the last item and its NUL.
std::string BigPopups(std::size_t lastItem) {
  std::vector<std::string> lines;
  for (char letter = 'a'; letter <= 'y'; ++letter) {
    lines.push_back("popup"s + letter);
    lines.insert(lines.end(), letter < 'y' ? 120 : 84, std::string(letter < 'y' ? 30 : 24, 'w'));
  }
  lines.push_back(std::string(lastItem, 'w'));
  return Ifo(25, lines);
}

TEST(build_database_test, accepts_up_to_jfiles_limits_and_refuses_beyond) {
  // 16 values taking 64,000 bytes with the length table when cut has 48.
  const auto record = [](std::size_t cut) {
    return Header(16) + CsvLineOf(std::vector(16, std::string(4000, 'v'))).erase(1, cut);
  };
  const std::string records = Header(1) + Repeat("\"x\"\r\n", 65535);
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {Header(50), Ifo(50), "<accepted>"},
      {record(48), Ifo(16), "<accepted>"},
      {records, Ifo(1), "<accepted>"},
      {Header(25), BigPopups(8), "<accepted>"},
      {Header(51), Ifo(51),
       "CSV line 1: the header names 51 columns; a JFile database has at most 50"},
      {Header(3), Ifo(2), "CSV line 1: the header names 3 columns but the IFO file describes 2"},
      {"\r\n\"x\"", Ifo(1), "CSV line 1: the header names no columns"},
      {CsvLineOf({"a", "b\0c"s}), Ifo(2), "CSV line 1, column 2: the field name holds a zero"},
      {Header(2) + CsvLineOf({"a", "b", "c"}), Ifo(2), "CSV line 2 (record 1): 3 items, but the"},
      {Header(1) + "\r\n" + CsvLineOf({std::string(4001, 'v')}), Ifo(1),
       "CSV line 3 (record 2), column 1 \"F\": the value is 4001 bytes long; JFile takes at most "
       "4000"},
      {Header(2) + CsvLineOf({"x", "a\0b"s}), Ifo(2),
       "CSV line 2 (record 1), column 2 \"F\": the value holds a zero byte"},
      {record(47), Ifo(16),
       "CSV line 2 (record 1): the record takes 64001 bytes; a JFile record holds at most 64000"},
      {records + "\"x\"", Ifo(1),
       "CSV file: it holds 65536 records; a JFile database holds at most 65535"},
      {Header(25), BigPopups(9),
       "IFO file: its popup lists take 64001 bytes with the field settings; a JFile database "
       "keeps at most 64000"},
  };
  for (const auto& [csv, ifo, words] : cases)
    EXPECT_EQ(Outcome([&] { BuildDatabase(csv, ifo, "n", kWhen); }).rfind(words, 0), 0u) << words;
  EXPECT_EQ(Outcome([] { BuildDatabase(Header(1), Ifo(1), "", kWhen); }),
            "the database name is empty");
}

// Every byte of the file is needed: a copy cut anywhere is refused with a
// Failure (never another exception), which the log then names.
TEST(extract_csv_test, reads_jfile4_skips_deleted_records_and_refuses_foreign_or_damaged_ones) {
  // Three one-value records, with bytes set the way a handheld or a damaged copy would.
  const std::string small =
      BuildDatabase("\"A\"\r\n\"1\"\r\n\"2\"\r\n\"3\"\r\n", Ifo(1), "EN-Small", 0);
  for (std::size_t size = 0; size < small.size(); ++size)
    ASSERT_NE(Outcome([&] { ExtractCsv(small.substr(0, size)); }), "<accepted>") << size;
  auto smallWith = [&small](std::size_t at, const std::string& bytes) {
    return std::string(small).replace(at, bytes.size(), bytes);
  };
  EXPECT_EQ(ExtractCsv(smallWith(78 + 8 + 4, "\xC0")), "\"A\"\r\n\"1\"\r\n\"3\"\r\n");
  EXPECT_EQ(ExtractCsv(smallWith(60, "JfDbJFil")), ExtractCsv(small));
  const std::pair<std::string, std::string> cases[] = {
      {smallWith(60, "DATApdat"),
       "this is not a JFile database: its type is 'DATA' and its creator 'pdat' (JFile 5 uses "
       "'JfD5' and 'JFi5', JFile 4 'JfDb' and 'JFil')"},
      {smallWith(60, "JfD5JFil"), "its type is 'JfD5' and its creator 'JFil'"},
      {smallWith(60, "JfDbJFi5"), "its type is 'JfDb' and its creator 'JFi5'"},
      {smallWith(60, "\x1F ~\x7F"), "its type is '? ~?'"},
      {smallWith(34, "\x08\x03"s),
       "the database \"EN-Small\" is encrypted; turn its encryption off in JFile on the "
       "handheld, HotSync, and convert the backup again"},
      {smallWith(52, "\0\0\0\0"s), "the database is damaged: it has no application info block"},
      {small.substr(0, small.size() - 3), "record 3 of 3: the record is damaged: 1 bytes can't"},
  };
  for (const auto& [pdb, words] : cases) {
    const std::string text = Outcome([&] { ExtractCsv(pdb); });
    EXPECT_TRUE(text.starts_with("PDB file: ")) << text;
    EXPECT_NE(text.find(words), std::string::npos) << text;
  }
}

// A table as text: items split by |, each record after its line number.
std::string Shown(const CsvTable& table) {
  std::string shown = Joined(table.header);
  for (const CsvLine& line : table.records)
    shown += " " + std::to_string(line.lineNumber) + ":" + Joined(line.values);
  return shown;
}

TEST(csv_test, reads_the_dialect_and_its_loose_variants_names_malformed_items_and_writes_it) {
  const std::pair<std::string, std::string> cases[] = {
      {"\"Title 1 \",\" \",\"a\x85\"\r\n\"Say \"\"hi\"\", go\",\"a\x85"
       "b\",\" \"\r\n\"\",\"\xFF;,\",\"  \"\r\n",
       "Title 1 | |a\x85 2:Say \"hi\", go|a\nb| 3:|\xFF;,|  "},
      {"\"a\",\"b\",\"c\"\n\"1\",\n\"1\",,\"3\"\n\n\"x\"", "a|b|c 2:1 3:1||3 4: 5:x"},
      {"a  , \"b\" ,c\r1 ,  \"2\"\r\r\n", "a|b|c 2:1|2 3:"},
      {"\"a\",\"b\"\r\n\"1\",\"2\r\n", "CSV line 2, item 2: the closing double quote is missing"},
      {"\"a\",\"b", "CSV line 1, item 2: the closing double quote is missing"},
      {"\"a\",\"b\"\r\n\"1\",\"2\"x\"\r\n",
       "CSV line 2, item 2: text follows the closing double quote (x); a double quote inside a "
       "value must be doubled"},
      {"", "CSV file: it is empty, without even a header line"},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(Outcome([&] { return Shown(ReadCsv(text)); }), expected) << text;
  std::string out;
  WriteCsvLine({"Book", "", "Say \"hi\"", "one\r\ntwo", "\xFF,"}, out);
  EXPECT_EQ(out, "\"Book\",\" \",\"Say \"\"hi\"\"\",\"one\x85two\",\"\xFF,\"\r\n");
}

TEST(ifo_reader_test, section_letters_run_a_to_z_then_B_on_and_refusals_name_the_line) {
  const std::pair<char, int> letters[] = {{'a', 1},  {'z', 26}, {'A', 0}, {'B', 27},
                                          {'Y', 50}, {'Z', 0},  {'`', 0}, {'{', 0}};
  for (auto [letter, column] : letters) EXPECT_EQ(IfoLetterColumn(letter), column) << letter;
  EXPECT_EQ(Joined(ReadIfo(Ifo(1, {"popupa", "x", ""})).popups[0].items), "x|")
      << "a line end after the last word adds an empty word";
  // A line of a good three-column description replaced, and the refusal's first words after
  // the line's number.
  const std::tuple<std::size_t, std::string, std::string> cases[] = {
      {1, "JFile4", "\"JFile5\" expected"},
      {2, "", "no field types"},
      {2, "1 1x 1", "\"1x\" is not a whole number"},
      {2, "1 1 65536", "65536 is outside the range 0 to 65535"},
      {3, "80 80", "2 column widths for the 3 columns"},
      {3, "80 80 -32769", "-32769 is outside the range -32768 to 32767"},
      {4, "1 2", "one whole number expected, found 2"},
      {9, "456", "the hexadecimal text has an odd number of digits"},
      {9, "4G", "\"4G\" is not hexadecimal"},
      {9, "g0", "\"g0\" is not hexadecimal"},
      {10, "Book", "\"Book\" is outside any popup section"},
      {10, "popupd", "section popupd is for column 4, but the description has 3"},
      {11, "popupa", "section popupa appears a second time"},
      {11, "a\0b"s, "the line holds a zero byte"},
  };
  const std::string good[] = {"JFile5", "1 1 1", "80 80 80", "110",    "1", "0",
                              "0 0 0",  "0 0 0", "",         "popupa", "x"};
  for (const auto& [line, replacement, words] : cases) {
    std::string text;
    for (std::size_t i = 0; i < 11; ++i) text += (i + 1 == line ? replacement : good[i]) + "\r\n";
    const std::string refusal = Outcome([&] { ReadIfo(text); });
    EXPECT_EQ(refusal.rfind("IFO line " + std::to_string(line) + ": " + words, 0), 0u) << refusal;
  }
  EXPECT_EQ(Outcome([] { ReadIfo("JFile5\r\n1\r\n80\r\n110\r\n1\r\n0\r\n0\r\n0"); }),
            "IFO file: it has 8 lines; a description takes at least 9");
  // The converter hands over a view of its whole file: nothing past its end is read.
  const std::string followed = Ifo(1) + "\r\n";
  EXPECT_EQ(Outcome([&] { ReadIfo(std::string_view(followed).substr(0, followed.size() - 2)); }),
            "<accepted>");
}

}  // namespace
}  // namespace jconv5
