#include "jconv5/Jconv5Fixtures.h"
#include "jconv5/pdb/Failure.h"
#include "jconv5/pdb/PdbContainer.h"

#include <gtest/gtest.h>

namespace jconv5 {
namespace {

using test::U16;
using test::U32;
using test::U8;

PdbDatabase ThreeRecords() {
  PdbDatabase db;
  db.header.name = "EN-My Refs";
  db.header.version = 0x0801;
  db.header.creationDate = 0xC0FFEE01;
  db.header.modificationDate = 0xC0FFEE02;
  db.header.type = "JfD5";
  db.header.creator = "JFi5";
  db.appInfo = "APPINFO";
  db.records = {{0x40, 1, "one"}, {0x40, 2, ""}, {0x40, 7, "three!"}};
  return db;
}

TEST(pdb_container_test, header_carries_names_dates_codes_and_offsets) {
  std::string file = WritePdb(ThreeRecords());
  EXPECT_EQ(file.substr(0, 32), std::string("EN-My Refs") + std::string(22, '\0'));
  EXPECT_EQ(U16(file, 32), 0x0008u);
  EXPECT_EQ(U16(file, 34), 0x0801u);
  EXPECT_EQ(U32(file, 36), 0xC0FFEE01u);
  EXPECT_EQ(U32(file, 40), 0xC0FFEE02u);
  EXPECT_EQ(U32(file, 44), 0u);
  EXPECT_EQ(U32(file, 48), 0u);
  EXPECT_EQ(U32(file, 52), 80u + 8 * 3);
  EXPECT_EQ(U32(file, 56), 0u);
  EXPECT_EQ(file.substr(60, 8), "JfD5JFi5");
  EXPECT_EQ(U32(file, 68), 8u) << "seed is the highest unique ID + 1";
  EXPECT_EQ(U32(file, 72), 0u);
  EXPECT_EQ(U16(file, 76), 3u);
  EXPECT_EQ(U16(file, 78 + 8 * 3), 0u) << "two pad bytes after the record list";
  EXPECT_EQ(file.substr(104, 7), "APPINFO");
}

TEST(pdb_container_test, record_list_points_at_each_record_in_turn) {
  std::string file = WritePdb(ThreeRecords());
  const std::uint32_t first = 104 + 7;
  EXPECT_EQ(U32(file, 78), first);
  EXPECT_EQ(U32(file, 86), first + 3);
  EXPECT_EQ(U32(file, 94), first + 3) << "an empty record takes no bytes";
  EXPECT_EQ(U8(file, 82), 0x40u);
  EXPECT_EQ(U8(file, 83) << 16 | U16(file, 84), 1u);
  EXPECT_EQ(U8(file, 99) << 16 | U16(file, 100), 7u);
  EXPECT_EQ(file.substr(first), "onethree!");
}

TEST(pdb_container_test, reads_back_what_it_wrote) {
  PdbDatabase written = ThreeRecords();
  written.records[1].attributes = kRecordDeleted;
  PdbDatabase read = ReadPdb(WritePdb(written));
  EXPECT_EQ(read.header.name, "EN-My Refs");
  EXPECT_EQ(read.header.type, "JfD5");
  EXPECT_EQ(read.header.creator, "JFi5");
  EXPECT_EQ(read.header.creationDate, 0xC0FFEE01u);
  EXPECT_EQ(read.appInfo, "APPINFO");
  ASSERT_EQ(read.records.size(), 3u);
  EXPECT_EQ(read.records[0].data, "one");
  EXPECT_EQ(read.records[1].attributes, kRecordDeleted);
  EXPECT_EQ(read.records[2].data, "three!") << "the last record runs to the end of the file";
  EXPECT_EQ(read.records[2].uniqueId, 7u);
}

TEST(pdb_container_test, palm_dates_count_from_1904) {
  EXPECT_EQ(PalmTimeFromUnix(0), 2082844800u);
  EXPECT_EQ(PalmTimeFromUnix(1000000000), 3082844800u);
}

void ExpectDamage(const std::string& file, const std::string& words) {
  const std::string text = test::FailureText([&] { ReadPdb(file); });
  EXPECT_NE(text.find(words), std::string::npos) << text;
}

void Put32(std::string& file, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) file[at + i] = static_cast<char>(v >> (24 - 8 * i));
}

TEST(pdb_container_test, refuses_layouts_that_point_outside_the_file) {
  std::string good = WritePdb(ThreeRecords());
  ExpectDamage(good.substr(0, 77), "too short");
  ExpectDamage(good.substr(0, 90), "ends inside their list");
  // One four-byte field of the header or record list set to a bad value.
  const struct {
    std::size_t at;
    std::uint32_t value;
    const char* words;
  } bad[] = {
      {86, static_cast<std::uint32_t>(good.size() + 1), "record 2 is said to start at byte"},
      {94, 104, "before record 2"},
      {78, 40, "record 1 is said to start"},
      {52, 60, "application info block"},
      {72, 1, "record list is split"},
  };
  for (const auto& b : bad) {
    std::string file = good;
    Put32(file, b.at, b.value);
    ExpectDamage(file, b.words);
  }
}

TEST(pdb_container_test, refuses_more_records_than_the_count_field_holds) {
  PdbDatabase db = ThreeRecords();
  db.records.resize(65536);
  EXPECT_THROW(WritePdb(db), Failure);
}

}  // namespace
}  // namespace jconv5
