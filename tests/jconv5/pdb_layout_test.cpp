// The binary layers: the Palm container, JFile's appInfo block and records.
#include "jconv5/Jconv5Fixtures.h"
#include "jconv5/pdb/JFileAppInfo.h"
#include "jconv5/pdb/JFileRecord.h"
#include "jconv5/pdb/PdbContainer.h"

#include <gtest/gtest.h>

namespace jconv5 {
namespace {

using namespace test;

// The last record is empty, so it starts where the file ends.
TEST(pdb_container_test, writes_reads_back_other_writers_layouts_and_refuses_damage) {
  const PdbDatabase db{
      {"EN-My Refs", 8, 0x0801, 0xC0FFEE01, 0xC0FFEE02, 3, 4, 0, 0, "JfD5", "JFi5", 0, 0, 0},
      "APPINFO",
      {{0x40, 1, "one"}, {0xC0, 2, "three!"}, {0x40, 0x030201, ""}}};
  // The bytes of a written database are pinned where the converter builds one.
  const std::string file = WritePdb(db);
  EXPECT_EQ(WritePdb(ReadPdb(file)), file);
  EXPECT_EQ(PalmTimeFromUnix(946684800), 3029529600u) << "2000-01-01, counted from 1904";
  // file with the four bytes at `at` set to value, or cut to value bytes when at is 0.
  auto changed = [&file](std::size_t at, std::uint32_t value) {
    return at == 0 ? file.substr(0, value) : std::string(file).replace(at, 4, B32(value));
  };
  // Other writers' layouts read; damage is refused.
  const std::tuple<std::size_t, std::uint32_t, std::string> cases[] = {
      {56, 107, "APP"},           // a sortInfo block ends the appInfo block
      {56, 104, "APPINFO"},       // but not one said to start where appInfo does
      {52, 102, "\0\0APPINFO"s},  // no gap after the record list
      {52, 111, ""},              // an empty appInfo block
      {52, 0, ""},                // none at all
      {0, 77, "the file is too short for a Palm database: 77 bytes"},
      {0, 101, "the database is damaged: the header announces 3 records, but the file ends"},
      {0, 102, "the database is damaged: record 1 is said to start at byte 111, outside the"},
      {78, 101, "the database is damaged: record 1 is said to start at byte 101"},
      {94, 121, "the database is damaged: record 3 is said to start at byte 121"},
      {94, 113, "the database is damaged: record 3 starts at byte 113, before record 2 at"},
      {52, 101, "the database is damaged: its application info block is said to start at"},
      {52, 112, "the database is damaged: its application info block is said to start at"},
      {72, 1, "the database is damaged: its record list is split"},
  };
  for (const auto& [at, value, expected] : cases) {
    const std::string got = Outcome([&] { return ReadPdb(changed(at, value)).appInfo; });
    EXPECT_EQ(expected.starts_with("the ") ? got.substr(0, expected.size()) : got, expected);
  }
  // A Palm record holds at most 65,535 bytes.
  PdbDatabase big = db;
  big.records[0].data.assign(65535, 'r');
  EXPECT_EQ(Outcome([&] { WritePdb(big); }), "<accepted>");
  big.records[0].data += 'r';
  EXPECT_EQ(Outcome([&] { WritePdb(big); }),
            "a record of 65536 bytes is more than a Palm record can hold");
  big.records.resize(65536);
  EXPECT_EQ(Outcome([&] { WritePdb(big); }),
            "65536 records are more than a Palm database can hold (65,535)");
  EXPECT_EQ(ReadPdb(changed(52, 0).replace(78, 4, B32(102))).records[0].data, "\0\0APPINFOone"s)
      << "a record right after the list";
  EXPECT_NE(Outcome([] { ReadPdb(WritePdb({}).substr(0, 78)); }).find("application info"),
            std::string::npos)
      << "78 bytes are a whole header";
}

TEST(jfile_layout_test, appinfo_and_records_read_back_as_written_and_damage_is_refused) {
  JFileAppInfo fifty, two;
  fifty.fields.resize(50);
  fifty.sortFields[2] = 1;
  fifty.popups = {{1, {"Thesis", "", "popupY", "popup{"}}, {26, {"x"}}, {27, {}}, {50, {"y"}}};
  two.oldFlags = 0x1234;
  two.firstColumn = 2;
  two.fields = {{"Reference Type", 64, 15, 0, 0}, {"A name longer than twenty", 81, -40, 2, 9}};
  const std::string chunked = WriteAppInfo(fifty);
  EXPECT_EQ(chunked.substr(1702),
            "popupa\0Thesis\0\x07\0popupY\0popup{\0popupz\0x\0popupA\0popupX\0y\0\0"s);
  EXPECT_EQ(WriteAppInfo(ReadAppInfo(chunked)), chunked);
  EXPECT_EQ(ReadAppInfo(chunked).popups.size(), 4u) << "popupz and popupA start lists";
  EXPECT_EQ(ReadAppInfo(chunked.substr(0, 1702)).fields.size(), 50u) << "a block without a chunk";
  const std::string block = WriteAppInfo(two);
  EXPECT_EQ(block, FixedPart(two.fields, 110, 0x1234, 2) + std::string(4, '\0'))
      << "without popups the chunk is four NULs";
  auto withCount = [&](char count) { return block.substr(0, 1151) + count + block.substr(1152); };
  two.popups = {{3, {"x"}}};
  EXPECT_EQ(Outcome([&] { WriteAppInfo(two); }),
            "a popup list is given for column 3, but the database has 2 columns");
  two.fields[1].name = "a\0b"s;
  EXPECT_EQ(Outcome([&] { WriteAppInfo(two); }),
            "the name of column 2 holds a zero byte, which JFile can't store");
  EXPECT_EQ(Outcome([] { WriteAppInfo({}); }), "0 columns: a JFile database has 1 to 50");
  EXPECT_EQ(ReadAppInfo(withCount(1)).fields.size(), 1u);
  const std::pair<std::string, std::string> reads[] = {
      {block.substr(0, 1701), "the database is damaged or not a JFile database"},
      {block.substr(0, 1153) + 'A' + block.substr(1154), "the application info block does not"},
      {withCount(0), "the database is damaged: it claims 0 fields"},
      {withCount(51), "the database is damaged: it claims 51 fields"},
  };
  for (const auto& [bytes, words] : reads)
    EXPECT_EQ(Outcome([&] { ReadAppInfo(bytes); }).rfind(words, 0), 0u) << words;
  // A record's values go as far as its length table allows.
  const std::pair<std::string, std::string> records[] = {
      {"\0\2\0\1ab\0"s, "ab|"},     // a value without its NUL
      {"\0\4\0\1a\0b\0\0"s, "a|"},  // JFile stops at a NUL
      {"\0\0\0\0"s, "|"},
      {"\0\3\0\5Hi\0te"s,
       "the record is damaged: field 2 is said to take 5 bytes, but only 2 are left"},
  };
  for (const auto& [data, expected] : records)
    EXPECT_EQ(Outcome([&] { return Joined(ReadRecord(data, 2)); }), expected);
}

}  // namespace
}  // namespace jconv5
