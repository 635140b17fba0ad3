// Inputs the fuzz targets found to break a reader, kept as they were found.
#include "import/ImportFixture.h"
#include "import/RisReader.h"
#include "import/ValueBuffer.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

// A tag line with an empty value appended zero bytes to a value that had no
// storage yet: memcpy with a null pointer, which the sanitizers stop.
TEST(fuzz_findings_test, ris_tag_with_empty_value_then_a_continuation_line) {
  test::ImportFixture f(kModeRefMan);
  f.selectOnly({1, 2});
  f.input(std::string("TY  - \n]\x13\0t", 11));
  EXPECT_EQ(ConvertRefManExport(f.state, f.ui), 1);
  // The continuation joins the empty value with one blank.
  EXPECT_EQ(f.records(), std::string("\" ]\x13\0t\",\"\"\r\n", 12));
  EXPECT_TRUE(f.ui.messages.empty());
}

TEST(fuzz_findings_test, empty_append_to_an_unused_value_keeps_it_empty) {
  ValueBuffer value(8);
  value.append("", 0);
  EXPECT_TRUE(value.empty());
  value.append("abc", 3);
  value.append(nullptr, 0);
  EXPECT_EQ(value.kept(), "abc");
}

}  // namespace
}  // namespace tk
