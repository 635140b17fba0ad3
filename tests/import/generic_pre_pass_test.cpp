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

TEST(generic_pre_pass_test, full_record_keeps_the_24_generic_columns_in_order) {
  PrePass run(Columns(1, 47) + "\r\n");
  EXPECT_EQ(run.count, 1);
  std::string expected;
  for (int n : {1, 2, 3, 6, 9, 11, 12, 14, 20, 21, 22, 23, 24, 26, 27, 32, 34, 39, 40, 42, 44, 45, 46, 47}) {
    expected += "c" + std::to_string(n) + (n < 47 ? "\t" : "\r\n");
  }
  EXPECT_EQ(run.tkg(), expected);
  EXPECT_EQ(run.state.csvPath, run.csvBefore);
}

TEST(generic_pre_pass_test, short_record_ends_with_a_tab_and_columns_beyond_47_are_dropped) {
  PrePass run(Columns(1, 10) + "\r\n" + Columns(1, 50) + "\r\n");
  std::string tkg = run.tkg();
  EXPECT_TRUE(tkg.starts_with("c1\tc2\tc3\tc6\tc9\t\r\n"));
  EXPECT_TRUE(tkg.ends_with("\tc47\r\n"));
}

TEST(generic_pre_pass_test, empty_columns_become_one_blank_so_columns_keep_their_numbers) {
  PrePass run("\tc2\t\tc4\t\r\n");
  EXPECT_EQ(run.tkg(), " \tc2\t \t\r\n");
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

TEST(generic_pre_pass_test, records_of_any_length_are_copied_whole) {
  std::string huge(100000, 'x');
  PrePass run("a\t" + huge + "\r\nb\r\n");
  EXPECT_EQ(run.count, 2);
  EXPECT_EQ(run.tkg(), "a\t" + huge + "\t\r\nb\t\r\n");
}

TEST(generic_pre_pass_test, last_record_without_its_cr_is_written) {
  PrePass run("a\r\nb\tc");
  EXPECT_EQ(run.count, 2);
  EXPECT_EQ(run.tkg(), "a\t\r\nb\tc\t\r\n");
}

TEST(generic_pre_pass_test, trailing_breaks_tabs_and_quotes_are_not_a_record) {
  PrePass run("a\r\n\t\"\t\n");
  EXPECT_EQ(run.count, 1);
  EXPECT_EQ(run.tkg(), "a\t\r\n");
}

TEST(generic_pre_pass_test, overlong_start_of_a_last_record_still_ends_its_line) {
  std::string quotes(70000, '"');
  PrePass run("a\r\n" + quotes);
  EXPECT_EQ(run.count, 2);
  EXPECT_EQ(run.tkg(), "a\t\r\n" + quotes + "\t\r\n");
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
