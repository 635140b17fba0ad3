// The two text inputs Tomekit writes: its CSV dialect and the IFO description.
#include "jconv5/Jconv5Fixtures.h"
#include "jconv5/pdb/Csv.h"
#include "jconv5/pdb/Ifo.h"

#include <gtest/gtest.h>

namespace jconv5 {
namespace {

using namespace test;
using Words = std::vector<std::string>;

// A table as text: items split by |, each record after its line number.
std::string Shown(const CsvTable& table) {
  std::string shown;
  auto items = [&shown](const Words& values) {
    for (std::size_t i = 0; i < values.size(); ++i) shown += (i ? "|" : "") + values[i];
  };
  items(table.header);
  for (const CsvLine& line : table.records) {
    shown += " " + std::to_string(line.lineNumber) + ":";
    items(line.values);
  }
  return shown;
}

TEST(csv_reader_test, reads_the_dialect_and_its_loose_variants_and_names_malformed_items) {
  const std::pair<std::string, std::string> cases[] = {
      {"\"Title 1 \",\" \",\"a\x85\"\r\n\"Say \"\"hi\"\", go\",\"a\x85"
       "b\",\" \"\r\n\"\",\"\xFF;,\",\"  \"\r\n",
       "Title 1 | |a\x85 2:Say \"hi\", go|a\nb| 3:|\xFF;,|  "},
      {"\"a\",\"b\",\"c\"\n\"1\",\n\"1\",,\"3\"\n\n\"x\"", "a|b|c 2:1 3:1||3 4: 5:x"},
      {"a  , \"b\" ,c\r1 ,  \"2\"\r\r\n", "a|b|c 2:1|2 3:"},
      {"\"a\",\"b\"\r\n\"1\",\"2\r\n", "CSV line 2, item 2: the closing double quote is missing"},
      {"\"a\",\"b", "CSV line 1, item 2: the closing double quote is missing"},
      {"\"a\",\"b\"\r\n\"1\",\"2\"x\"\r\n",
       "CSV line 2, item 2: text follows the closing double quote (x); a double quote inside a "
       "value must be doubled"},
      {"", "CSV file: it is empty, without even a header line"},
  };
  for (const auto& [text, expected] : cases) {
    std::string shown;
    const std::string refusal = FailureText([&] { shown = Shown(ReadCsv(text)); });
    EXPECT_EQ(refusal == "<accepted>" ? shown : refusal, expected) << text;
  }
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
  // A line of a good three-column description replaced, and the refusal's first words after
  // the line's number.
  const std::tuple<std::size_t, std::string, std::string> cases[] = {
      {1, "JFile4", "\"JFile5\" expected"},
      {2, "", "no field types"},
      {2, "1 1x 1", "\"1x\" is not a whole number"},
      {2, "1 1 65536", "65536 is outside the range 0 to 65535"},
      {3, "80 80", "2 column widths for the 3 columns"},
      {3, "80 80 -32769", "-32769 is outside the range -32768 to 32767"},
      {4, "1 2", "one whole number expected, found 2"},
      {9, "456", "the hexadecimal text has an odd number of digits"},
      {9, "4G", "\"4G\" is not hexadecimal"},
      {9, "g0", "\"g0\" is not hexadecimal"},
      {10, "Book", "\"Book\" is outside any popup section"},
      {10, "popupd", "section popupd is for column 4, but the description has 3"},
      {11, "popupa", "section popupa appears a second time"},
      {11, "a\0b"s, "the line holds a zero byte"},
  };
  for (const auto& [line, replacement, words] : cases) {
    std::vector<std::string> lines = {"JFile5", "1 1 1", "80 80 80", "110",    "1", "0",
                                      "0 0 0",  "0 0 0", "",         "popupa", "x"};
    lines.at(line - 1) = replacement;
    std::string text = lines[0];
    for (std::size_t i = 1; i < lines.size(); ++i) text += "\r\n" + lines[i];
    const std::string refusal = FailureText([&] { ReadIfo(text); });
    EXPECT_EQ(refusal.rfind("IFO line " + std::to_string(line) + ": " + words, 0), 0u) << refusal;
  }
  EXPECT_EQ(FailureText([] { ReadIfo("JFile5\r\n1\r\n80\r\n110\r\n1\r\n0\r\n0\r\n0"); }),
            "IFO file: it has 8 lines; a description takes at least 9");
}

}  // namespace
}  // namespace jconv5
