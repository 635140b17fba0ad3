#include "import/GenericPrePass.h"

#include "ImportFixture.h"
#include "import/OutputNaming.h"
#include "import/TabExportReader.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

using test::ImportFixture;
using test::ReadBytes;

struct PrePass : ImportFixture {
  explicit PrePass(const std::string& input) : ImportFixture(kModeProCiteGeneric) {
    this->input(input);
    csvBefore = state.csvPath;
    count = PrepareGenericExport(state, ui);
  }
  std::string tkg() const { return ReadBytes(GenericIntermediatePath(state)); }
  std::string csvBefore;
  int count = 0;
};

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
  };
  for (const auto& c : cases) {
    PrePass run(c.input);
    EXPECT_EQ(run.count, c.count) << c.behaviour;
    EXPECT_EQ(run.tkg(), c.tkg) << c.behaviour;
    EXPECT_EQ(run.state.csvPath, run.csvBefore) << c.behaviour;
  }
}

TEST(generic_pre_pass_test, bare_line_feeds_become_0x85_and_blank_lines_stay) {
  std::string notes = Columns(1, 43) + "\tone\ntwo\nthree";
  PrePass run(notes + "\r\n\r\n\xFF\r\n");
  EXPECT_EQ(run.count, 3);
  std::string tkg = run.tkg();
  EXPECT_NE(tkg.find("\tone\x85two\x85three\t\r\n\r\n\xFF\t\r\n"), std::string::npos);
  EXPECT_EQ(run.ui.lastRecord, 3);
}

TEST(generic_pre_pass_test, quotes_stay_single_here_and_are_doubled_in_the_csv) {
  PrePass run("say \"hi\"\tid\r\n");
  EXPECT_EQ(run.tkg(), "say \"hi\"\tid\t\r\n");
  run.state.inputPath = GenericIntermediatePath(run.state);
  EXPECT_EQ(ConvertProCiteExport(run.state, run.ui), 1);
  EXPECT_EQ(run.records(), "\"say \"\"hi\"\"\",\"id\",\" \",\r\n");
}

TEST(generic_pre_pass_test, write_generic_line_keeps_mapped_columns) {
  test::TempFolder folder;
  OutputFile out;
  ASSERT_TRUE(out.open(folder.file("line.tkg")));
  WriteGenericLine(out, Columns(1, 6));
  WriteGenericLine(out, "");
  ASSERT_TRUE(out.commit());
  EXPECT_EQ(ReadBytes(folder.file("line.tkg")), "c1\tc2\tc3\tc6\t\r\n\r\n");
}

TEST(generic_pre_pass_test, unopenable_files_are_reported) {
  ImportFixture noOutput(kModeProCiteGeneric);
  noOutput.state.csvPath = noOutput.folder.file("missing") + "/out.csv";
  noOutput.input("a\r\n");
  EXPECT_EQ(PrepareGenericExport(noOutput.state, noOutput.ui), 0);
  EXPECT_EQ(noOutput.ui.texts(), std::vector<std::string>{"Couldnt open output CSV File"});

  ImportFixture noInput(kModeProCiteGeneric);
  EXPECT_EQ(PrepareGenericExport(noInput.state, noInput.ui), 0);
  EXPECT_EQ(noInput.ui.texts(), std::vector<std::string>{"Couldnt Open input .tsv file"});
  EXPECT_TRUE(FileExists(GenericIntermediatePath(noInput.state)));
  EXPECT_EQ(ReadBytes(GenericIntermediatePath(noInput.state)), "");
}

}  // namespace tk
