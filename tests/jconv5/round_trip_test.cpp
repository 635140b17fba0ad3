#include "jconv5/Jconv5Fixtures.h"
#include "jconv5/pdb/Convert.h"
#include "jconv5/pdb/Csv.h"
#include "jconv5/pdb/Failure.h"

#include <gtest/gtest.h>

#include <random>

namespace jconv5 {
namespace {

using test::CsvLineOf;
using test::PlainIfo;

constexpr std::uint32_t kWhen = 0xBC000000;

// A value drawn from the bytes that trouble CSV and JFile alike.
std::string AwkwardValue(std::mt19937& random) {
  static const std::vector<std::string> pieces = {"Smith, J.",       "\"quoted\"", "\x85", "\xFF",
                                                  "caf\xE9",         ";",          " ",    "a",
                                                  "Title of a book", "\"",         ",,",   "\t"};
  std::string value;
  int n = static_cast<int>(random() % 5);
  for (int i = 0; i < n; ++i) value += pieces[random() % pieces.size()];
  return value;
}

// The Tomekit side: items encoded as its CSV writer does.
std::string Encoded(const std::string& value) {
  if (value.empty()) return " ";
  std::string out;
  for (char c : value) out += c == '"' ? std::string("\"\"") : std::string(1, c);
  return out;
}

struct Generated {
  std::string csv;
  std::vector<std::vector<std::string>> rows;  // decoded, padded to the columns
};

Generated GeneratedSet(std::size_t columns, std::size_t records) {
  std::mt19937 random(4711);
  Generated g;
  std::vector<std::string> header;
  for (std::size_t c = 1; c <= columns; ++c)
    header.push_back("Field \"" + std::to_string(c) + "\", x");
  std::vector<std::string> encoded;
  for (const std::string& h : header) encoded.push_back(Encoded(h));
  g.csv = CsvLineOf(encoded);
  for (std::size_t r = 0; r < records; ++r) {
    std::size_t present = r % 10 == 3 ? random() % columns : columns;  // some short lines
    std::vector<std::string> row(columns), items;
    for (std::size_t c = 0; c < present; ++c) {
      row[c] = AwkwardValue(random);
      items.push_back(Encoded(row[c]));
    }
    for (std::string& value : row) {
      if (value == " ") value.clear();  // the dialect's empty value
      for (char& ch : value)
        if (ch == '\x85') ch = '\n';
    }
    g.csv += CsvLineOf(items);
    g.rows.push_back(row);
  }
  return g;
}

TEST(round_trip_test, csv_and_ifo_to_pdb_and_back_keep_every_value) {
  Generated g = GeneratedSet(47, 3000);
  std::string back = ExtractCsv(BuildDatabase(g.csv, PlainIfo(47), "PR-Round trip", kWhen));
  CsvTable table = ReadCsv(back);
  ASSERT_EQ(table.header.size(), 47u);
  EXPECT_EQ(table.header[46], "Field \"47\", x");
  ASSERT_EQ(table.records.size(), g.rows.size());
  for (std::size_t r = 0; r < g.rows.size(); ++r)
    ASSERT_EQ(table.records[r].values, g.rows[r]) << "record " << r + 1;
}

TEST(round_trip_test, written_csv_is_tomekits_dialect) {
  std::string csv = CsvLineOf({"Author", "Notes", "Year"}) +
                    CsvLineOf({"O\"\"Neil, P.", "one\x85two", " "}) + CsvLineOf({"x"});
  std::string back = ExtractCsv(BuildDatabase(csv, PlainIfo(3), "n", kWhen));
  EXPECT_EQ(back, CsvLineOf({"Author", "Notes", "Year"}) +
                      CsvLineOf({"O\"\"Neil, P.", "one\x85two", " "}) + CsvLineOf({"x", " ", " "}));
}

// Sets bytes of a built database, the way a handheld or a damaged copy would.
std::string Patched(std::string pdb, std::size_t at, const std::string& bytes) {
  return pdb.replace(at, bytes.size(), bytes);
}

std::string SmallDatabase() {
  return BuildDatabase(CsvLineOf({"A"}) + CsvLineOf({"1"}) + CsvLineOf({"2"}) + CsvLineOf({"3"}),
                       PlainIfo(1), "EN-Small", kWhen);
}

TEST(extract_csv_test, skips_deleted_records_and_reads_jfile4) {
  std::string pdb = Patched(SmallDatabase(), 78 + 8 + 4, "\x80");
  EXPECT_EQ(ExtractCsv(pdb), CsvLineOf({"A"}) + CsvLineOf({"1"}) + CsvLineOf({"3"}));
  EXPECT_EQ(ExtractCsv(Patched(SmallDatabase(), 60, "JfDbJFil")), ExtractCsv(SmallDatabase()));
}

void ExpectRefused(const std::string& pdb, const std::string& message) {
  EXPECT_EQ(test::FailureText([&] { ExtractCsv(pdb); }), message);
}

TEST(extract_csv_test, refuses_foreign_encrypted_and_damaged_databases) {
  ExpectRefused(Patched(SmallDatabase(), 60, "DATApdat"),
                "PDB file: this is not a JFile database: its type is 'DATA' and its creator 'pdat' "
                "(JFile 5 uses 'JfD5' and 'JFi5', JFile 4 'JfDb' and 'JFil')");
  ExpectRefused(
      Patched(SmallDatabase(), 34, std::string("\x08\x03", 2)),
      "PDB file: the database \"EN-Small\" is encrypted; turn its encryption off in JFile on the "
      "handheld, HotSync, and convert the backup again");
  std::string pdb = SmallDatabase();
  ExpectRefused(pdb.substr(0, pdb.size() - 3),
                "PDB file: record 3 of 3: the record is damaged: 1 bytes can't hold the length "
                "table of 1 fields");
  ExpectRefused(Patched(pdb, 52, std::string(4, '\0')),
                "PDB file: the database is damaged: it has no application info block, where JFile "
                "keeps its fields");
}

}  // namespace
}  // namespace jconv5
