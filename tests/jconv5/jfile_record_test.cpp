#include "jconv5/Jconv5Fixtures.h"
#include "jconv5/pdb/Failure.h"
#include "jconv5/pdb/JFileRecord.h"

#include <gtest/gtest.h>

namespace jconv5 {
namespace {

const std::string kExample("\x00\x03\x00\x05\x00\x01Hi\0test\0\0", 15);

TEST(jfile_record_test, length_table_then_terminated_values) {
  std::string out;
  WriteRecord({"Hi", "test", ""}, out);
  EXPECT_EQ(out, kExample);
  EXPECT_EQ(RecordSize({"Hi", "test", ""}), kExample.size());
}

TEST(jfile_record_test, reads_values_with_any_byte_but_nul) {
  std::vector<std::string> values = {"line\none", "\xFF\x85\"", "", std::string(4000, 'x')};
  std::string out;
  WriteRecord(values, out);
  EXPECT_EQ(ReadRecord(out, 4), values);
  EXPECT_EQ(ReadRecord(kExample, 3), (std::vector<std::string>{"Hi", "test", ""}));
}

TEST(jfile_record_test, refuses_a_record_shorter_than_its_lengths_say) {
  EXPECT_THROW(ReadRecord(kExample.substr(0, 5), 3), Failure);
  EXPECT_EQ(test::FailureText([] { ReadRecord(kExample.substr(0, 12), 3); }),
            "the record is damaged: field 2 is said to take 5 bytes, but only 3 are left");
}

TEST(jfile_record_test, a_value_without_its_nul_is_read_to_its_length) {
  std::string data(
      "\x00\x02"
      "ab",
      4);
  EXPECT_EQ(ReadRecord(data, 1), std::vector<std::string>{"ab"});
}

}  // namespace
}  // namespace jconv5
