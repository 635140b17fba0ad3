#include "jconv5/Jconv5Fixtures.h"
#include "jconv5/pdb/Failure.h"
#include "jconv5/pdb/JFileAppInfo.h"

#include <gtest/gtest.h>

namespace jconv5 {
namespace {

using test::CText;
using test::U16;
using test::U32;

JFileAppInfo TwoFields() {
  JFileAppInfo info;
  info.fields = {{"Reference Type", 64, 15, 0, 0}, {"A name longer than twenty", 81, -40, 2, 9}};
  info.recordViewWidth = 110;
  info.firstColumn = 2;
  info.oldFlags = 0x1234;
  return info;
}

TEST(jfile_appinfo_test, fixed_part_sits_at_jfiles_offsets) {
  std::string block = WriteAppInfo(TwoFields());
  ASSERT_EQ(block.size(), 1702u + 4) << "no popup groups: the chunk is 4 NULs";
  EXPECT_EQ(CText(block, 0), "Reference Type");
  EXPECT_EQ(CText(block, 21), "A name longer than t") << "names are cut to 20 characters";
  EXPECT_EQ(block.substr(42, 21), std::string(21, '\0'));
  EXPECT_EQ(U16(block, 1050), 64u);
  EXPECT_EQ(U16(block, 1052), 81u);
  EXPECT_EQ(U16(block, 1054), 1u) << "unused slots are text fields";
  EXPECT_EQ(U16(block, 1148), 1u);
  EXPECT_EQ(U16(block, 1150), 2u);
  EXPECT_EQ(U16(block, 1152), 576u);
  EXPECT_EQ(U16(block, 1154), 15u);
  EXPECT_EQ(U16(block, 1156), 0xFFD8u) << "negative width locks the column";
  EXPECT_EQ(U16(block, 1158), 80u) << "unused widths are 80";
  EXPECT_EQ(U16(block, 1254), 110u);
  for (std::size_t at = 1256; at < 1298; ++at) EXPECT_EQ(block[at], '\0') << "at " << at;
  EXPECT_EQ(U16(block, 1298), 0x1234u);
  EXPECT_EQ(U16(block, 1300), 2u);
  EXPECT_EQ(U32(block, 1302 + 4), 2u);
  EXPECT_EQ(U32(block, 1502 + 4), 9u);
  EXPECT_EQ(block.substr(1702), std::string(4, '\0'));
}

TEST(jfile_appinfo_test, popup_groups_carry_jfiles_letters_and_mark_empty_items) {
  JFileAppInfo info;
  info.fields.resize(30);
  info.popups = {{1, {"Book", "", "Journal"}}, {27, {"x"}}, {30, {}}};
  info.trailer = std::string("EndJFileData\0", 13);
  std::string block = WriteAppInfo(info);
  const char expected[] = "popupa\0Book\0\x07\0Journal\0popupA\0x\0popupD\0\0EndJFileData\0";
  std::string chunk(expected, sizeof expected - 1);
  EXPECT_EQ(block.substr(1702), chunk);
}

TEST(jfile_appinfo_test, letters_run_a_to_z_then_A_to_X) {
  EXPECT_EQ(JFileFieldLetter(1), 'a');
  EXPECT_EQ(JFileFieldLetter(26), 'z');
  EXPECT_EQ(JFileFieldLetter(27), 'A');
  EXPECT_EQ(JFileFieldLetter(50), 'X');
  EXPECT_EQ(JFileFieldLetter(0), 0);
  EXPECT_EQ(JFileFieldLetter(51), 0);
  for (int column = 1; column <= 50; ++column)
    EXPECT_EQ(JFileLetterColumn(JFileFieldLetter(column)), column);
  EXPECT_EQ(JFileLetterColumn('Y'), 0);
}

TEST(jfile_appinfo_test, reads_back_fields_settings_and_popups) {
  JFileAppInfo written = TwoFields();
  written.popups = {{2, {"", "Smith"}}};
  JFileAppInfo read = ReadAppInfo(WriteAppInfo(written));
  ASSERT_EQ(read.fields.size(), 2u);
  EXPECT_EQ(read.fields[0].name, "Reference Type");
  EXPECT_EQ(read.fields[1].name, "A name longer than t");
  EXPECT_EQ(read.fields[1].type, 81);
  EXPECT_EQ(read.fields[1].columnWidth, -40);
  EXPECT_EQ(read.fields[1].extraData2, 9u);
  EXPECT_EQ(read.firstColumn, 2);
  ASSERT_EQ(read.popups.size(), 1u);
  EXPECT_EQ(read.popups[0].column, 2);
  EXPECT_EQ(read.popups[0].items, (std::vector<std::string>{"", "Smith"}));
}

TEST(jfile_appinfo_test, a_chunk_cut_short_keeps_its_whole_strings) {
  JFileAppInfo info = TwoFields();
  info.popups = {{1, {"Book", "Journal"}}};
  std::string block = WriteAppInfo(info);
  JFileAppInfo read = ReadAppInfo(block.substr(0, 1702 + 14));  // "popupa\0Book\0Jo"
  ASSERT_EQ(read.popups.size(), 1u);
  EXPECT_EQ(read.popups[0].items, std::vector<std::string>{"Book"});
}

TEST(jfile_appinfo_test, refuses_blocks_that_are_not_jfiles) {
  std::string block = WriteAppInfo(TwoFields());
  EXPECT_THROW(ReadAppInfo(block.substr(0, 1701)), Failure);
  std::string unmarked = block;
  unmarked[1153] = 0x41;
  EXPECT_THROW(ReadAppInfo(unmarked), Failure);
  std::string tooMany = block;
  tooMany[1151] = 51;
  EXPECT_THROW(ReadAppInfo(tooMany), Failure);
  std::string none = block;
  none[1151] = 0;
  EXPECT_THROW(ReadAppInfo(none), Failure);
}

TEST(jfile_appinfo_test, refuses_what_the_block_cannot_express) {
  JFileAppInfo info;
  EXPECT_THROW(WriteAppInfo(info), Failure) << "no fields";
  info.fields.resize(51);
  EXPECT_THROW(WriteAppInfo(info), Failure);
  info.fields.resize(2);
  info.popups = {{3, {"x"}}};
  EXPECT_THROW(WriteAppInfo(info), Failure) << "popup for a column the database lacks";
  info.popups = {{1, {std::string("a\0b", 3)}}};
  EXPECT_THROW(WriteAppInfo(info), Failure);
}

}  // namespace
}  // namespace jconv5
