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
  std::int32_t convert(const std::string& csvPath) {
    return ConvertCsvToTagged(state, ui, csvPath);
  }
  std::string output() const { return test::ReadBytes(state.taggedPath); }
};

std::string ManyRecords(int count) {
  std::string csv = "\"Title\"\r\n";
  for (int i = 1; i <= count; ++i) csv += "\"t" + std::to_string(i) + "\"\r\n";
  return csv;
}

// EndNote: a generic header and 31 fields a record; ProCite: 47 fields, short
// lines giving empty ones; generic names land at the first ProCite field of
// that name; Reference Manager: authors and keywords split into tag lines.
TEST(tagged_writer_test, each_mode_writes_its_format_byte_for_byte) {
  const struct {
    ConvMode mode;
    const char* csv;
    const char* expected;
    int records;
  } cases[] = {
      {kModeEndNote, "endnote.csv", "endnote.expected.tsv", 2},
      {kModeProCite, "procite.csv", "procite.expected.tsv", 2},
      {kModeProCiteGeneric, "generic.csv", "generic.expected.tsv", 1},
      {kModeRefMan, "refman.csv", "refman.expected.ris", 2},
  };
  for (const auto& c : cases) {
    ExportRun run(c.mode);
    EXPECT_EQ(run.convert(test::DataFile(std::string("export/") + c.csv)), c.records) << c.csv;
    EXPECT_EQ(run.output(), test::ReadBytes(test::DataFile(std::string("export/") + c.expected)))
        << c.csv;
    EXPECT_TRUE(run.ui.messages.empty()) << c.csv;
    EXPECT_EQ(run.ui.lastRecord, c.records) << c.csv;
  }
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
  test::WriteBytes(run.dir.file("in.csv"),
                   "\"WorkSheet\",\"worksheet\"\r\n\"first\",\"second\"\r\n");
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
  test::WriteBytes(run.dir.file("long.csv"),
                   "\"Title\"\r\n\"" + std::string(31996, 'a') + "\"\r\n");
  EXPECT_EQ(run.convert(run.dir.file("long.csv")), 0);
  EXPECT_EQ(run.ui.texts(), std::vector<std::string>{"Records of more than 32K Not supported"});
  EXPECT_EQ(run.output(), "old");
}

TEST(tagged_writer_test, more_than_10000_records_stop_at_the_limit_with_a_notice) {
  ExportRun run(kModeProCite);
  test::WriteBytes(run.dir.file("limit.csv"), ManyRecords(10000));
  EXPECT_EQ(run.convert(run.dir.file("limit.csv")), 10000);
  EXPECT_TRUE(run.ui.messages.empty());

  test::WriteBytes(run.dir.file("big.csv"), ManyRecords(10001));
  const long updatesBefore = run.ui.recordUpdates;
  EXPECT_EQ(run.convert(run.dir.file("big.csv")), 10000);
  EXPECT_EQ(run.ui.messages,
            (std::vector<test::ShownMessage>{
                {MessageKind::Information, "Transfer Stopped too many records to transfer"}}));
  const std::string out = run.output();
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 10000);
  EXPECT_EQ(run.ui.recordUpdates - updatesBefore, 10000);
}

}  // namespace
}  // namespace tk
