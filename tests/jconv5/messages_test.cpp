#include "jconv5/pdb/Messages.h"

#include <gtest/gtest.h>

namespace jconv5 {
namespace {

TEST(messages_test, grouped_counts_put_a_comma_before_each_three_digits) {
  const std::pair<std::size_t, const char*> cases[] = {
      {0, "0"}, {999, "999"}, {1000, "1,000"}, {65535, "65,535"}, {1234567, "1,234,567"}};
  for (const auto& [n, text] : cases) EXPECT_EQ(GroupedCount(n), text) << n;
}

// The existing refusals stop short of their numbers; these read them whole,
// so a limit that moves shows in the text it is refused with.
TEST(messages_test, refusals_name_the_limit_they_enforce) {
  EXPECT_EQ(TooManyColumnsText(51),
            "CSV line 1: the header names 51 columns; a JFile database has at most 50");
  EXPECT_EQ(ColumnCountText(0), "0 columns: a JFile database has 1 to 50");
  EXPECT_EQ(TooManyRecordsText(65536),
            "CSV file: it holds 65536 records; a JFile database holds at most 65535");
  EXPECT_EQ(ValueTooLongText("CSV line 2", 4001),
            "CSV line 2: the value is 4001 bytes long; JFile takes at most 4000");
  EXPECT_EQ(AppInfoTooLongText(64001),
            "IFO file: its popup lists take 64001 bytes with the field settings; a JFile "
            "database keeps at most 64000");
  EXPECT_EQ(PalmTooManyRecordsText(65536, 65535),
            "65536 records are more than a Palm database can hold (65,535)");
}

}  // namespace
}  // namespace jconv5
