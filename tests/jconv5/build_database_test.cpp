#include "jconv5/Jconv5Fixtures.h"
#include "jconv5/pdb/Convert.h"
#include "jconv5/pdb/Failure.h"

#include <gtest/gtest.h>

namespace jconv5 {
namespace {

using test::CsvLineOf;
using test::CText;
using test::IfoText;
using test::PlainIfo;
using test::U16;
using test::U32;
using test::U8;

constexpr std::uint32_t kWhen = 0xBC000000;

std::string Header(std::size_t n) {
  std::vector<std::string> names;
  for (std::size_t i = 1; i <= n; ++i) names.push_back("F" + std::to_string(i));
  return CsvLineOf(names);
}

// Offset of record i (0-based) from the record list.
std::uint32_t RecordAt(const std::string& pdb, std::size_t i) { return U32(pdb, 78 + 8 * i); }

TEST(build_database_test, header_marks_a_jfile5_database) {
  std::string pdb = BuildDatabase(Header(2) + CsvLineOf({"a", "b"}) + CsvLineOf({"c", "d"}),
                                  PlainIfo(2), "EN-My Refs", kWhen);
  EXPECT_EQ(CText(pdb, 0), "EN-My Refs");
  EXPECT_EQ(U16(pdb, 32), 0x0008u);
  EXPECT_EQ(U16(pdb, 34), 0x0801u);
  EXPECT_EQ(U32(pdb, 36), kWhen);
  EXPECT_EQ(U32(pdb, 40), kWhen);
  EXPECT_EQ(U32(pdb, 52), 80u + 16);
  EXPECT_EQ(pdb.substr(60, 8), "JfD5JFi5");
  EXPECT_EQ(U32(pdb, 68), 3u);
  EXPECT_EQ(U16(pdb, 76), 2u);
  EXPECT_EQ(U16(pdb, 96 + 1152), 576u);
  EXPECT_EQ(CText(pdb, 96 + 21), "F2");
}

TEST(build_database_test, records_carry_length_tables_and_numbered_ids) {
  std::string csv = Header(3) + CsvLineOf({"Hi", "test", " "}) +
                    CsvLineOf({"a\x85"
                               "b"}) +
                    "\r\n";
  std::string pdb = BuildDatabase(csv, PlainIfo(3), "n", kWhen);
  ASSERT_EQ(U16(pdb, 76), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(U8(pdb, 78 + 8 * i + 4), 0x40u);
    EXPECT_EQ(U8(pdb, 78 + 8 * i + 5) << 16 | U16(pdb, 78 + 8 * i + 6), i + 1);
  }
  EXPECT_EQ(pdb.substr(RecordAt(pdb, 0), 15), std::string("\0\3\0\5\0\1Hi\0test\0\0", 15));
  EXPECT_EQ(pdb.substr(RecordAt(pdb, 1), RecordAt(pdb, 2) - RecordAt(pdb, 1)),
            std::string("\0\4\0\1\0\1a\nb\0\0\0", 12))
      << "0x85 becomes a line break; missing items are empty";
  EXPECT_EQ(pdb.substr(RecordAt(pdb, 2)), std::string("\0\1\0\1\0\1\0\0\0", 9)) << "an empty line";
}

TEST(build_database_test, settings_come_from_the_ifo_and_names_from_the_csv) {
  std::string csv = CsvLineOf({"Reference Type", "A very long field name indeed"});
  std::string pdb = BuildDatabase(csv, IfoText({64, 81}, {15, 160}, {}, 120, 2), "n", kWhen);
  const std::size_t app = U32(pdb, 52);
  EXPECT_EQ(CText(pdb, app + 21), "A very long field na");
  EXPECT_EQ(U16(pdb, app + 1050), 64u);
  EXPECT_EQ(U16(pdb, app + 1052), 81u);
  EXPECT_EQ(U16(pdb, app + 1156), 160u);
  EXPECT_EQ(U16(pdb, app + 1254), 120u);
  EXPECT_EQ(U16(pdb, app + 1300), 2u);
  EXPECT_EQ(pdb.substr(app + 1702), std::string("\0\0\0\0EndJFileData\0", 17))
      << "no records, no popups";
}

TEST(build_database_test, popup_sections_become_groups_with_jfiles_letters) {
  std::vector<int> types(28, 1);
  types[0] = types[26] = types[27] = 64;
  std::string ifo =
      IfoText(types, std::vector<int>(28, 80),
              {{"popupa", {"Book", "", "Journal"}}, {"popupB", {"x"}}, {"popupC", {}}});
  std::string pdb = BuildDatabase(Header(28), ifo, "n", kWhen);
  const char expected[] = "popupa\0Book\0\x07\0Journal\0popupA\0x\0popupB\0\0EndJFileData\0";
  EXPECT_EQ(pdb.substr(U32(pdb, 52) + 1702), std::string(expected, sizeof expected - 1));
}

TEST(build_database_test, popup_lists_are_cut_to_jfiles_limits) {
  std::vector<std::string> many;
  for (int i = 0; i < 120; ++i) many.push_back("w" + std::to_string(i));
  std::vector<std::string> wide(200, std::string(30, 'x'));
  std::string ifo = IfoText({64, 64}, {80, 80}, {{"popupa", many}, {"popupb", wide}});
  std::string pdb = BuildDatabase(Header(2), ifo, "n", kWhen);
  std::string chunk = pdb.substr(U32(pdb, 52) + 1702);
  std::size_t at = 0;
  std::vector<std::string> strings;
  while (at < chunk.size() && chunk[at] != '\0') {
    strings.push_back(CText(chunk, at));
    at += strings.back().size() + 1;
  }
  ASSERT_EQ(strings.size(), 1 + 100 + 1 + 100u) << "each list keeps 100 items";
  EXPECT_EQ(strings[100], "w99");
  EXPECT_EQ(strings[102], std::string(24, 'x'));
}

TEST(build_database_test, the_name_loses_nothing_but_what_jfile_cannot_hold) {
  std::string pdb = BuildDatabase(Header(1), PlainIfo(1), std::string(40, 'N'), kWhen);
  EXPECT_EQ(CText(pdb, 0), std::string(30, 'N'));
  EXPECT_THROW(BuildDatabase(Header(1), PlainIfo(1), "", kWhen), Failure);
}

void ExpectRefused(const std::string& csv, const std::string& ifo, const std::string& message) {
  EXPECT_EQ(test::FailureText([&] { BuildDatabase(csv, ifo, "n", kWhen); }), message);
}

TEST(build_database_test, refuses_tables_jfile_cannot_hold) {
  ExpectRefused(Header(51), PlainIfo(51),
                "CSV line 1: the header names 51 columns; a JFile database has at most 50");
  ExpectRefused(Header(3), PlainIfo(2),
                "CSV line 1: the header names 3 columns but the IFO file describes 2");
  ExpectRefused("\r\n\"x\"", PlainIfo(1), "CSV line 1: the header names no columns");
  ExpectRefused(Header(2) + CsvLineOf({"a", "b", "c"}), PlainIfo(2),
                "CSV line 2 (record 1): 3 items, but the header names only 2 columns");
  ExpectRefused(CsvLineOf({"Title"}) + CsvLineOf({"ok"}) + CsvLineOf({std::string(4001, 'v')}),
                PlainIfo(1),
                "CSV line 3 (record 2), column 1 \"Title\": the value is 4001 bytes long; JFile "
                "takes at most 4000");
  ExpectRefused(Header(1) + CsvLineOf({std::string("a\0b", 3)}), PlainIfo(1),
                "CSV line 2 (record 1), column 1 \"F1\": the value holds a zero byte, which JFile "
                "can't store");
  std::vector<std::string> big(17, std::string(4000, 'v'));
  ExpectRefused(
      Header(17) + CsvLineOf(big), PlainIfo(17),
      "CSV line 2 (record 1): the record takes 68051 bytes; a JFile record holds at most 64000");
}

TEST(build_database_test, refuses_more_records_than_a_database_holds) {
  std::string csv = Header(1);
  for (int i = 0; i < 65535; ++i) csv += "\"x\"\r\n";
  EXPECT_NO_THROW(BuildDatabase(csv, PlainIfo(1), "n", kWhen));
  csv += "\"x\"\r\n";
  ExpectRefused(csv, PlainIfo(1),
                "CSV file: it holds 65536 records; a JFile database holds at most 65535");
}

}  // namespace
}  // namespace jconv5
