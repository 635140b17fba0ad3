#include "jconv5/pdb/Csv.h"
#include "jconv5/Jconv5Fixtures.h"
#include "jconv5/pdb/Failure.h"

#include <gtest/gtest.h>

namespace jconv5 {
namespace {

using Values = std::vector<std::string>;

TEST(csv_reader_test, undoes_the_dialects_quoting_blanks_and_line_breaks) {
  CsvTable t = ReadCsv(
      "\"Title 1 \",\"Notes\",\"Year\"\r\n"
      "\"Say \"\"hi\"\", then go\",\"a\x85"
      "b\",\" \"\r\n"
      "\"\",\"\xFF;,\",\"  \"\r\n");
  EXPECT_EQ(t.header, (Values{"Title 1 ", "Notes", "Year"})) << "header items keep their blanks";
  ASSERT_EQ(t.records.size(), 2u);
  EXPECT_EQ(t.records[0].values, (Values{"Say \"hi\", then go", "a\nb", ""}));
  EXPECT_EQ(t.records[1].values, (Values{"", "\xFF;,", "  "})) << "only a single blank means empty";
  EXPECT_EQ(t.records[0].lineNumber, 2u);
  EXPECT_EQ(t.records[1].lineNumber, 3u);
}

TEST(csv_reader_test, short_lines_and_trailing_commas_carry_fewer_items) {
  CsvTable t = ReadCsv("\"a\",\"b\",\"c\"\n\"1\",\n\"1\",,\"3\"\n\n\"x\"");
  ASSERT_EQ(t.records.size(), 4u);
  EXPECT_EQ(t.records[0].values, Values{"1"});
  EXPECT_EQ(t.records[1].values, (Values{"1", "", "3"}));
  EXPECT_TRUE(t.records[2].values.empty()) << "an empty line is an empty record";
  EXPECT_EQ(t.records[3].values, Values{"x"}) << "the last line needs no line end";
}

TEST(csv_reader_test, accepts_blanks_around_quotes_and_unquoted_items) {
  CsvTable t = ReadCsv("a, \"b\" ,c\r1 ,  \"2\"\r");
  EXPECT_EQ(t.header, (Values{"a", "b", "c"}));
  ASSERT_EQ(t.records.size(), 1u) << "a lone CR ends a line";
  EXPECT_EQ(t.records[0].values, (Values{"1", "2"}));
}

void ExpectMalformed(const std::string& text, const std::string& message) {
  EXPECT_EQ(test::FailureText([&] { ReadCsv(text); }), message) << text;
}

TEST(csv_reader_test, malformed_lines_are_named_by_line_and_item) {
  ExpectMalformed("\"a\",\"b\"\r\n\"1\",\"2\r\n",
                  "CSV line 2, item 2: the closing double quote is missing");
  ExpectMalformed("\"a\",\"b\"\r\n\"1\",\"2\"x\"\r\n",
                  "CSV line 2, item 2: text follows the closing double quote (x); "
                  "a double quote inside a value must be doubled");
  ExpectMalformed("", "CSV file: it is empty, without even a header line");
}

TEST(csv_writer_test, quotes_every_value_the_dialects_way) {
  std::string out;
  WriteCsvLine({"Book", "", "Say \"hi\"", "one\r\ntwo", "\xFF,"}, out);
  EXPECT_EQ(out, "\"Book\",\" \",\"Say \"\"hi\"\"\",\"one\x85two\",\"\xFF,\"\r\n");
}

TEST(csv_writer_test, what_it_writes_reads_back_unchanged) {
  Values header = {"A", "B"};
  Values values = {"x \"y\", z", "a\nb\xFF"};
  std::string text;
  WriteCsvLine(header, text);
  WriteCsvLine(values, text);
  CsvTable t = ReadCsv(text);
  EXPECT_EQ(t.header, header);
  ASSERT_EQ(t.records.size(), 1u);
  EXPECT_EQ(t.records[0].values, values);
}

}  // namespace
}  // namespace jconv5
