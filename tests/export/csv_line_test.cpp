#include "export/CsvLine.h"

#include "mock/TempFolder.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

using Items = std::vector<std::string>;

Items Parse(std::string_view line) {
  Items items;
  ParseCommaText(line, items);
  return items;
}

TEST(csv_line_test, quoted_items_keep_commas_blanks_and_doubled_quotes) {
  EXPECT_EQ(Parse("\"Smith, J.\",\"say \"\"hi\"\"\",\" \"\r\n"),
            (Items{"Smith, J.", "say \"hi\"", " "}));
}

TEST(csv_line_test, unquoted_items_end_at_blanks_and_commas) {
  EXPECT_EQ(Parse("  two words,x\r\n"), (Items{"two", "words", "x"}));
}

TEST(csv_line_test, double_comma_gives_empty_item_but_trailing_comma_does_not) {
  EXPECT_EQ(Parse("a,,b,\r\n"), (Items{"a", "", "b"}));
  EXPECT_EQ(Parse(",a"), (Items{"", "a"}));
  EXPECT_TRUE(Parse("\r\n").empty());
}

TEST(csv_line_test, unclosed_quote_runs_to_end_of_line_less_last_character) {
  EXPECT_EQ(Parse("\"abc,def\""), (Items{"abc,def"}));
  EXPECT_EQ(Parse("\"abc,def"), (Items{"abc,de"}));
}

TEST(csv_line_test, data_line_tabs_become_blanks) {
  Items items;
  ParseDataLine("\"a\tb\",c\td\r\n", items);
  EXPECT_EQ(items, (Items{"a b", "c", "d"}));
}

TEST(csv_line_test, reader_keeps_line_ends_and_stops_at_length_limit) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("in.csv"), "ab\r\ncd\n" + std::string(10, 'x') + "\r\nlast");
  InputFile in;
  ASSERT_TRUE(in.open(dir.file("in.csv")));
  CsvLineReader reader(in, 10);
  std::string line;
  ASSERT_EQ(reader.next(line), CsvLineReader::Result::Line);
  EXPECT_EQ(line, "ab\r\n");
  ASSERT_EQ(reader.next(line), CsvLineReader::Result::Line);
  EXPECT_EQ(line, "cd\n");
  EXPECT_TRUE(reader.moreData());
  EXPECT_EQ(reader.next(line), CsvLineReader::Result::TooLong);
}

TEST(csv_line_test, reader_returns_last_line_without_end_then_end) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("in.csv"), "a\nlast");
  InputFile in;
  ASSERT_TRUE(in.open(dir.file("in.csv")));
  CsvLineReader reader(in, 100);
  std::string line;
  ASSERT_EQ(reader.next(line), CsvLineReader::Result::Line);
  ASSERT_EQ(reader.next(line), CsvLineReader::Result::Line);
  EXPECT_EQ(line, "last");
  EXPECT_FALSE(reader.moreData());
  EXPECT_EQ(reader.next(line), CsvLineReader::Result::End);
}

}  // namespace
}  // namespace tk
