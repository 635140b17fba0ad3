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

TEST(csv_line_test, comma_text_is_split_into_items) {
  const std::pair<std::string_view, Items> cases[] = {
      // Quoted items keep commas, blanks and doubled quotes.
      {"\"Smith, J.\",\"say \"\"hi\"\"\",\" \"\r\n", {"Smith, J.", "say \"hi\"", " "}},
      // Unquoted items end at blanks and commas.
      {"  two words,x\r\n", {"two", "words", "x"}},
      // A double comma gives an empty item, a trailing comma does not.
      {"a,,b,\r\n", {"a", "", "b"}},
      {",a", {"", "a"}},
      {"\r\n", {}},
      // An unclosed quote runs to the end of the line, less its last character.
      {"\"abc,def\"", {"abc,def"}},
      {"\"abc,def", {"abc,de"}},
  };
  for (const auto& [line, items] : cases) EXPECT_EQ(Parse(line), items) << line;
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
