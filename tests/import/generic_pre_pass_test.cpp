#include "import/GenericPrePass.h"

#include "ImportFixture.h"
#include "import/OutputNaming.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

std::string Columns(int from, int to) {
  std::string line;
  for (int n = from; n <= to; ++n) line += "c" + std::to_string(n) + (n < to ? "\t" : "");
  return line;
}

}  // namespace

TEST(generic_pre_pass_test, records_are_reduced_to_the_24_generic_columns) {
  std::string fullRecord;
  for (int n : {1,  2,  3,  6,  9,  11, 12, 14, 20, 21, 22, 23,
                24, 26, 27, 32, 34, 39, 40, 42, 44, 45, 46, 47}) {
    fullRecord += "c" + std::to_string(n) + (n < 47 ? "\t" : "\r\n");
  }
  const std::string huge(100000, 'x');
  const std::string quotes(70000, '"');
  const struct {
    const char* behaviour;
    std::string input;
    int count;
    std::string tkg;
  } cases[] = {
      {"kept columns in order", Columns(1, 47) + "\r\n", 1, fullRecord},
      {"a short record ends with a tab, columns past 47 are dropped",
       Columns(1, 10) + "\r\n" + Columns(1, 50) + "\r\n", 2,
       "c1\tc2\tc3\tc6\tc9\t\r\n" + fullRecord},
      {"empty columns become one blank", "\tc2\t\tc4\t\r\n", 1, " \tc2\t \t\r\n"},
      {"records of any length are copied whole", "a\t" + huge + "\r\nb\r\n", 2,
       "a\t" + huge + "\t\r\nb\t\r\n"},
      {"a last record without its CR", "a\r\nb\tc", 2, "a\t\r\nb\tc\t\r\n"},
      {"trailing breaks, tabs and quotes are no record", "a\r\n\t\"\t\n", 1, "a\t\r\n"},
      {"an overlong start of a last record still ends its line", "a\r\n" + quotes, 2,
       "a\t\r\n" + quotes + "\t\r\n"},
      {"bare line feeds become 0x85, even first; blank lines stay", "\none\ntwo\r\n\r\n\xFF\r\n", 3,
       "\x85one\x85two\t\r\n\r\n\xFF\t\r\n"},
      {"quotes stay single here; the ProCite reader doubles them", "say \"hi\"\tid\r\n", 1,
       "say \"hi\"\tid\t\r\n"},
  };
  for (const auto& c : cases) {
    test::ReaderRun r(c.input);
    const ReadResult result = PrepareGenericExport(r.run, r.ui);
    EXPECT_EQ(result.records, c.count) << c.behaviour;
    EXPECT_EQ(result.truncated, 0) << c.behaviour;
    EXPECT_EQ(test::ReadBytes(GenericIntermediatePath(r.run)), c.tkg) << c.behaviour;
    EXPECT_EQ(r.ui.lastRecord, c.count) << c.behaviour;
  }
}

}  // namespace tk
