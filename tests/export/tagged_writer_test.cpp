#include "export/TaggedWriter.h"

#include "fields/FieldCatalogue.h"
#include "fields/FieldOps.h"
#include "mock/FakeUi.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tk {
namespace {

struct ExportRun {
  AppState state;
  test::FakeUi ui;
  test::TempFolder dir;

  explicit ExportRun(ConvMode mode) {
    state.convMode = mode;
    SetFieldCount(state);
    state.taggedPath = dir.file("out.txt");
  }
  std::int32_t convert(const std::string& csvPath) { return ConvertCsvToTagged(state, ui, csvPath); }
  std::string output() const { return test::ReadBytes(state.taggedPath); }
};

std::string ManyRecords(int count) {
  std::string csv = "\"Title\"\r\n";
  for (int i = 1; i <= count; ++i) csv += "\"t" + std::to_string(i) + "\"\r\n";
  return csv;
}

TEST(tagged_writer_test, endnote_output_has_generic_header_and_31_fields_per_record) {
  ExportRun run(kModeEndNote);
  EXPECT_EQ(run.convert(test::DataFile("export/endnote.csv")), 2);
  EXPECT_EQ(run.output(), test::ReadBytes(test::DataFile("export/endnote.expected.tsv")));
  EXPECT_TRUE(run.ui.messages.empty());
  EXPECT_EQ(run.ui.lastRecord, 2);
}

TEST(tagged_writer_test, procite_output_has_47_fields_and_short_lines_give_empty_fields) {
  ExportRun run(kModeProCite);
  EXPECT_EQ(run.convert(test::DataFile("export/procite.csv")), 2);
  EXPECT_EQ(run.output(), test::ReadBytes(test::DataFile("export/procite.expected.tsv")));
}

TEST(tagged_writer_test, generic_names_land_at_first_procite_field_with_that_name) {
  ExportRun run(kModeProCiteGeneric);
  EXPECT_EQ(run.convert(test::DataFile("export/generic.csv")), 1);
  EXPECT_EQ(run.output(), test::ReadBytes(test::DataFile("export/generic.expected.tsv")));
}

TEST(tagged_writer_test, refman_output_splits_authors_and_keywords_into_tag_lines) {
  ExportRun run(kModeRefMan);
  EXPECT_EQ(run.convert(test::DataFile("export/refman.csv")), 2);
  EXPECT_EQ(run.output(), test::ReadBytes(test::DataFile("export/refman.expected.ris")));
}

TEST(tagged_writer_test, header_matches_ignore_case_but_not_blanks) {
  AppState state;
  state.convMode = kModeRefMan;
  SetFieldCount(state);
  state.csvItems = {"TITLE 1 ", "Title 1", "ref type", "Nothing"};
  ASSERT_EQ(LoadCsvHeader(state), 4);
  BuildColumnMap(state, 4);
  EXPECT_EQ(state.SGFldMap[1].field, 3);
  EXPECT_EQ(state.SGFldMap[2].field, 0);
  EXPECT_EQ(state.SGFldMap[3].field, 1);
  EXPECT_EQ(state.SGFldMap[4].field, 0);
  EXPECT_EQ(state.SGEnHolder[33].matchName, "URL");
}

TEST(tagged_writer_test, later_column_wins_when_two_feed_one_field) {
  ExportRun run(kModeProCite);
  test::WriteBytes(run.dir.file("in.csv"), "\"WorkSheet\",\"worksheet\"\r\n\"first\",\"second\"\r\n");
  EXPECT_EQ(run.convert(run.dir.file("in.csv")), 1);
  EXPECT_EQ(run.output(), "second" + std::string(46, '\t') + "\r\n");
}

TEST(tagged_writer_test, missing_or_empty_input_writes_nothing) {
  ExportRun run(kModeEndNote);
  EXPECT_EQ(run.convert(run.dir.file("missing.csv")), 0);
  EXPECT_EQ(run.ui.texts(), std::vector<std::string>{"Couldnt load csv File"});
  EXPECT_EQ(run.ui.messages[0].kind, MessageKind::Error);

  test::WriteBytes(run.dir.file("empty.csv"), "");
  EXPECT_EQ(run.convert(run.dir.file("empty.csv")), 0);
  EXPECT_EQ(run.ui.messages.size(), 1u);
  EXPECT_FALSE(FileExists(run.state.taggedPath));
}

TEST(tagged_writer_test, unwritable_output_is_reported) {
  ExportRun run(kModeEndNote);
  run.state.taggedPath = run.dir.file("no such folder/out.tsv");
  EXPECT_EQ(run.convert(test::DataFile("export/endnote.csv")), 0);
  EXPECT_EQ(run.ui.texts(), std::vector<std::string>{"Couldnt open output output File"});
}

TEST(tagged_writer_test, line_of_32000_characters_fails_and_leaves_old_output) {
  ExportRun run(kModeEndNote);
  test::WriteBytes(run.state.taggedPath, "old");
  const std::string fits = "\"" + std::string(31995, 'a') + "\"\r\n";  // 31999 with its end
  test::WriteBytes(run.dir.file("fits.csv"), "\"Title\"\r\n" + fits);
  EXPECT_EQ(run.convert(run.dir.file("fits.csv")), 1);

  test::WriteBytes(run.state.taggedPath, "old");
  test::WriteBytes(run.dir.file("long.csv"), "\"Title\"\r\n\"" + std::string(31996, 'a') + "\"\r\n");
  EXPECT_EQ(run.convert(run.dir.file("long.csv")), 0);
  EXPECT_EQ(run.ui.texts(), std::vector<std::string>{"Records of more than 32K Not supported"});
  EXPECT_EQ(run.output(), "old");
}

TEST(tagged_writer_test, more_than_10000_records_stop_at_the_limit_with_a_notice) {
  ExportRun run(kModeProCite);
  test::WriteBytes(run.dir.file("big.csv"), ManyRecords(10001));
  EXPECT_EQ(run.convert(run.dir.file("big.csv")), 10000);
  ASSERT_EQ(run.ui.messages.size(), 1u);
  EXPECT_EQ(run.ui.messages[0],
            (test::ShownMessage{MessageKind::Information, "Transfer Stopped too many records to transfer"}));
  const std::string out = run.output();
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 10000);
  EXPECT_EQ(run.ui.recordUpdates, 10000);
}

TEST(tagged_writer_test, exactly_10000_records_transfer_without_notice) {
  ExportRun run(kModeProCite);
  test::WriteBytes(run.dir.file("big.csv"), ManyRecords(10000));
  EXPECT_EQ(run.convert(run.dir.file("big.csv")), 10000);
  EXPECT_TRUE(run.ui.messages.empty());
}

}  // namespace
}  // namespace tk
