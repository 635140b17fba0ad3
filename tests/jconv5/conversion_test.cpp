// The two conversions in memory: CSV + IFO to a database, and back.
#include "jconv5/Jconv5Fixtures.h"
#include "jconv5/pdb/Convert.h"

#include <gtest/gtest.h>

namespace jconv5 {
namespace {

using namespace test;

constexpr std::uint32_t kWhen = 0xBC000000;

// The IFO has every setting at the edge of its range, blanks and tabs around
// the items, each kind of line end, a blank line before the first section,
// and a word that only looks like a section header.
TEST(build_database_test, writes_a_jfile5_database_that_reads_back) {
  const std::string csv = CsvLineOf({"Type", "A very long field name indeed", "Tags"}) +
                          CsvLineOf({"Book", "Say \"\"hi\"\"\x85there", " "}) +
                          CsvLineOf({"Journal"});
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
  EXPECT_EQ(ExtractCsv(pdb), CsvLineOf({"Type", "A very long field na", "Tags"}) +
                                 CsvLineOf({"Book", "Say \"\"hi\"\"\x85there", " "}) +
                                 CsvLineOf({"Journal", " ", " "}));
}

// 25 popup lists, each cut to 100 items of 24 characters but the last,
// whose appInfo block takes 63,991 bytes plus the last item and its NUL.
std::string BigPopups(std::size_t lastItem) {
  std::vector<std::string> lines;
  for (char letter = 'a'; letter < 'y'; ++letter) {
    lines.push_back("popup"s + letter);
    lines.insert(lines.end(), 120, std::string(30, 'w'));
  }
  lines.push_back("popupy");
  lines.insert(lines.end(), 84, std::string(24, 'w'));
  lines.push_back(std::string(lastItem, 'w'));
  return Ifo(25, lines);
}

TEST(build_database_test, accepts_up_to_jfiles_limits_and_refuses_beyond) {
  std::vector<std::string> fullRecord(15, std::string(4000, 'v'));
  fullRecord.push_back(std::string(3952, 'v'));  // 64,000 bytes with the length table
  std::vector<std::string> overRecord = fullRecord;
  overRecord.back() += 'v';
  const std::string records = Header(1) + Repeat("\"x\"\r\n", 65535);
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {Header(50), Ifo(50), "<accepted>"},
      {Header(16) + CsvLineOf(fullRecord), Ifo(16), "<accepted>"},
      {records, Ifo(1), "<accepted>"},
      {Header(25), BigPopups(8), "<accepted>"},
      {Header(51), Ifo(51), "CSV line 1: the header names 51 columns; a JFile database has at"},
      {Header(3), Ifo(2), "CSV line 1: the header names 3 columns but the IFO file describes 2"},
      {"\r\n\"x\"", Ifo(1), "CSV line 1: the header names no columns"},
      {CsvLineOf({"a", "b\0c"s}), Ifo(2), "CSV line 1, column 2: the field name holds a zero"},
      {Header(2) + CsvLineOf({"a", "b", "c"}), Ifo(2), "CSV line 2 (record 1): 3 items, but the"},
      {Header(1) + "\r\n" + CsvLineOf({std::string(4001, 'v')}), Ifo(1),
       "CSV line 3 (record 2), column 1 \"F\": the value is 4001 bytes long; JFile takes at most"},
      {Header(2) + CsvLineOf({"x", "a\0b"s}), Ifo(2),
       "CSV line 2 (record 1), column 2 \"F\": the value holds a zero byte"},
      {Header(16) + CsvLineOf(overRecord), Ifo(16),
       "CSV line 2 (record 1): the record takes 64001 bytes; a JFile record holds at most 64000"},
      {records + "\"x\"", Ifo(1), "CSV file: it holds 65536 records; a JFile database holds at"},
      {Header(25), BigPopups(9), "IFO file: its popup lists take 64001 bytes with the field"},
  };
  for (const auto& [csv, ifo, words] : cases) {
    const std::string refusal = FailureText([&] { BuildDatabase(csv, ifo, "n", kWhen); });
    EXPECT_EQ(refusal.rfind(words, 0), 0u) << refusal;
  }
  EXPECT_EQ(FailureText([] { BuildDatabase(Header(1), Ifo(1), "", kWhen); }),
            "the database name is empty");
}

// Three one-value records, with bytes set the way a handheld or a damaged
// copy would.
std::string Small(std::size_t at = 0, const std::string& bytes = "") {
  const std::string csv = CsvLineOf({"A"}) + CsvLineOf({"1"}) + CsvLineOf({"2"}) + CsvLineOf({"3"});
  return BuildDatabase(csv, Ifo(1), "EN-Small", 0).replace(at, bytes.size(), bytes);
}

TEST(extract_csv_test, reads_jfile4_skips_deleted_records_and_refuses_foreign_or_damaged_ones) {
  EXPECT_EQ(ExtractCsv(Small(78 + 8 + 4, "\xC0")),
            CsvLineOf({"A"}) + CsvLineOf({"1"}) + CsvLineOf({"3"}));
  EXPECT_EQ(ExtractCsv(Small(60, "JfDbJFil")), ExtractCsv(Small()));
  const std::string small = Small();
  const std::pair<std::string, std::string> cases[] = {
      {Small(60, "DATApdat"),
       "this is not a JFile database: its type is 'DATA' and its creator 'pdat' (JFile 5 uses "
       "'JfD5' and 'JFi5', JFile 4 'JfDb' and 'JFil')"},
      {Small(60, "JfD5JFil"), "its type is 'JfD5' and its creator 'JFil'"},
      {Small(60, "JfDbJFi5"), "its type is 'JfDb' and its creator 'JFi5'"},
      {Small(60, "\x1F ~\x7F"), "its type is '? ~?'"},
      {Small(34, "\x08\x03"s),
       "the database \"EN-Small\" is encrypted; turn its encryption off in JFile on the handheld, "
       "HotSync, and convert the backup again"},
      {Small(52, "\0\0\0\0"s), "the database is damaged: it has no application info block"},
      {small.substr(0, small.size() - 3), "record 3 of 3: the record is damaged: 1 bytes can't"},
  };
  for (const auto& [pdb, words] : cases) {
    const std::string text = FailureText([&] { ExtractCsv(pdb); });
    EXPECT_EQ(text.rfind("PDB file: ", 0), 0u) << text;
    EXPECT_NE(text.find(words), std::string::npos) << text;
  }
}

// Every byte of the file is needed: a copy cut anywhere is refused with a
// Failure (never another exception), which the log then names.
TEST(extract_csv_test, a_database_cut_anywhere_is_refused) {
  const std::string pdb = BuildDatabase(Header(2) + CsvLineOf({"two\x85lines", " "}),
                                        Ifo(2, {"popupb", "1999", ""}), "n", 0);
  for (std::size_t size = 0; size < pdb.size(); ++size)
    ASSERT_NE(FailureText([&] { ExtractCsv(pdb.substr(0, size)); }), "<accepted>") << size;
}

}  // namespace
}  // namespace jconv5
