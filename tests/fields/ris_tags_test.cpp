// Reading and writing share one tag table, so a tag written must read back
// to the field it came from.
#include "fields/RisTags.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

TEST(ris_tags_test, synonyms_read_to_one_field_and_only_exact_tag_lines_count) {
  const struct {
    const char* line;
    int field;
  } tags[] = {{"TY  - ", 1}, {"T1  - x", 3}, {"CT  - ", 3},  {"A1  - ", 4},
              {"AU  - ", 4}, {"J2  - ", 11}, {"UR  - ", 33}, {"ER  - ", kRisRecordEnd},
              {"ty  - ", 0}, {"TY - x", 0},  {"TY  -", 0},   {"ZZ  - ", 0},
              {"TY  -x", 0}};
  for (const auto& tag : tags) EXPECT_EQ(RisFieldOfTag(tag.line), tag.field) << tag.line;
}

TEST(ris_tags_test, each_fields_written_tag_reads_back_to_it) {
  for (int field = 1; field < kRisRecordEnd; ++field)
    EXPECT_EQ(RisFieldOfTag(RisTagOfField(field)), field) << field;
  EXPECT_EQ(RisTagOfField(kRisRecordEnd), "");
}

}  // namespace
}  // namespace tk
