// The two text inputs Tomekit writes: its CSV dialect and the IFO description.
#include "jconv5/Jconv5Fixtures.h"
#include "jconv5/pdb/Csv.h"
#include "jconv5/pdb/Ifo.h"

#include <gtest/gtest.h>

namespace jconv5 {
namespace {

using namespace test;
using Words = std::vector<std::string>;
using Rows = std::vector<Words>;

// Each text: its header, its records, and the line number of each record.
TEST(csv_reader_test, reads_the_dialect_and_its_loose_variants) {
  const std::tuple<std::string, Rows, std::vector<std::size_t>> cases[] = {
      {"\"Title 1 \",\" \",\"a\x85\"\r\n\"Say \"\"hi\"\", go\",\"a\x85"
       "b\",\" \"\r\n\"\",\"\xFF;,\",\"  \"\r\n",
       {{"Title 1 ", " ", "a\x85"}, {"Say \"hi\", go", "a\nb", ""}, {"", "\xFF;,", "  "}},
       {2, 3}},
      {"\"a\",\"b\",\"c\"\n\"1\",\n\"1\",,\"3\"\n\n\"x\"",
       {{"a", "b", "c"}, {"1"}, {"1", "", "3"}, {}, {"x"}},
       {2, 3, 4, 5}},
      {"a  , \"b\" ,c\r1 ,  \"2\"\r\r\n", {{"a", "b", "c"}, {"1", "2"}, {}}, {2, 3}},
  };
  for (const auto& [text, rows, lineNumbers] : cases) {
    CsvTable table = ReadCsv(text);
    Rows read{table.header};
    std::vector<std::size_t> numbers;
    for (const CsvLine& line : table.records) {
      read.push_back(line.values);
      numbers.push_back(line.lineNumber);
    }
    EXPECT_EQ(read, rows) << text;
    EXPECT_EQ(numbers, lineNumbers) << text;
  }
}

TEST(csv_reader_test, malformed_lines_are_named_by_line_and_item) {
  const std::pair<std::string, std::string> cases[] = {
      {"\"a\",\"b\"\r\n\"1\",\"2\r\n", "CSV line 2, item 2: the closing double quote is missing"},
      {"\"a\",\"b", "CSV line 1, item 2: the closing double quote is missing"},
      {"\"a\",\"b\"\r\n\"1\",\"2\"x\"\r\n",
       "CSV line 2, item 2: text follows the closing double quote (x); a double quote inside a "
       "value must be doubled"},
      {"", "CSV file: it is empty, without even a header line"},
  };
  for (const auto& [text, message] : cases)
    EXPECT_EQ(FailureText([&] { ReadCsv(text); }), message) << text;
}

TEST(csv_writer_test, quotes_every_value_the_dialects_way) {
  std::string out;
  WriteCsvLine({"Book", "", "Say \"hi\"", "one\r\ntwo", "\xFF,"}, out);
  EXPECT_EQ(out, "\"Book\",\" \",\"Say \"\"hi\"\"\",\"one\x85two\",\"\xFF,\"\r\n");
}

TEST(ifo_reader_test, section_letters_run_a_to_z_then_B_on) {
  const std::pair<char, int> letters[] = {{'a', 1},  {'z', 26}, {'A', 0}, {'B', 27},
                                          {'Y', 50}, {'Z', 0},  {'`', 0}, {'{', 0}};
  for (auto [letter, column] : letters) EXPECT_EQ(IfoLetterColumn(letter), column) << letter;
  EXPECT_EQ(ReadIfo(Ifo(1, {"popupa", "x", ""})).popups[0].items, (Words{"x", ""}))
      << "a line end after the last word adds an empty word";
}

TEST(ifo_reader_test, refusals_name_the_line) {
  // A line of a good three-column description replaced, and words of the refusal.
  const std::tuple<std::size_t, std::string, std::string> cases[] = {
      {1, "JFile4", "IFO line 1: \"JFile5\" expected"},
      {2, "", "IFO line 2: no field types"},
      {2, "1 1x 1", "IFO line 2: \"1x\" is not a whole number"},
      {2, "1 1 65536", "IFO line 2: 65536 is outside the range 0 to 65535"},
      {3, "80 80", "IFO line 3: 2 column widths for the 3 columns"},
      {3, "80 80 -32769", "IFO line 3: -32769 is outside the range -32768 to 32767"},
      {4, "1 2", "IFO line 4: one whole number expected, found 2"},
      {9, "456", "IFO line 9: the hexadecimal text has an odd number of digits"},
      {9, "4G", "IFO line 9: \"4G\" is not hexadecimal"},
      {9, "g0", "IFO line 9: \"g0\" is not hexadecimal"},
      {10, "Book", "IFO line 10: \"Book\" is outside any popup section"},
      {10, "popupd", "IFO line 10: section popupd is for column 4, but the description has 3"},
      {11, "popupa", "IFO line 11: section popupa appears a second time"},
      {11, "a\0b"s, "IFO line 11: the line holds a zero byte"},
  };
  for (const auto& [line, replacement, words] : cases) {
    std::vector<std::string> lines = {"JFile5", "1 1 1", "80 80 80", "110",    "1", "0",
                                      "0 0 0",  "0 0 0", "",         "popupa", "x"};
    lines.at(line - 1) = replacement;
    std::string text = lines[0];
    for (std::size_t i = 1; i < lines.size(); ++i) text += "\r\n" + lines[i];
    const std::string refusal = FailureText([&] { ReadIfo(text); });
    EXPECT_EQ(refusal.rfind(words, 0), 0u) << refusal;
  }
  EXPECT_EQ(FailureText([] { ReadIfo("JFile5\r\n1\r\n80\r\n110\r\n1\r\n0\r\n0\r\n0"); }),
            "IFO file: it has 8 lines; a description takes at least 9");
}

}  // namespace
}  // namespace jconv5
