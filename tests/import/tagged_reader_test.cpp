// EndNote's two stock exports read in EndNote mode: the %-tagged "EndNote
// Export" and its RIS export. Field numbers: 1 type, 2 author, 3 year, 4
// title, 5 secondary title, 6 editor, 11 pages, 13 keywords, 14 abstract,
// 15 notes, 27 URL.
#include "ImportFixture.h"
#include "import/TaggedReader.h"

#include <algorithm>

namespace tk {
namespace {

using test::On;
using test::ReaderCase;
using test::ReaderRun;

// Each tag alone, with the field it must fill.
TEST(tagged_reader_test, every_tag_fills_its_field) {
  const std::pair<char, int> tags[] = {
      {'A', 2},  {'D', 3},  {'T', 4},  {'J', 5},  {'B', 5},  {'E', 6},  {'C', 7},  {'I', 8},
      {'V', 9},  {'N', 10}, {'P', 11}, {'L', 12}, {'K', 13}, {'X', 14}, {'Z', 15}, {'6', 16},
      {'Y', 17}, {'S', 18}, {'7', 19}, {'8', 20}, {'9', 21}, {'H', 22}, {'Q', 23}, {'@', 24},
      {'M', 25}, {'F', 26}, {'U', 27}, {'R', 27}, {'1', 28}, {'2', 29}, {'3', 30}, {'4', 31}};
  for (const auto& [tag, field] : tags) {
    SCOPED_TRACE(std::string("%") + tag);
    ReaderRun r(Mode::EndNote, std::string("%0 Book\n%") + tag + " v" + tag + "\n",
                ReadEndNoteTaggedExport);
    EXPECT_EQ(r.read({1, field}).status, ReadStatus::Read);
    EXPECT_EQ(r.records(), std::string("\"Book\",\"v") + tag + "\"\r\n");
  }
}

TEST(tagged_reader_test, repeats_lines_and_references_combine_as_in_ris) {
  const std::string rows = "\"Book\",\"One\"\r\n\"Journal Article\",\"Two\"\r\n";
  const ReaderCase cases[] = {
      {"authors, editors and keywords join with ';', a keyword per continuation line", On(2, 6, 13),
       "%0 Book\n%A Doe, J.\n%A Roe, R.\n%E Ed, A.\n%E Ed, B.\n%K one\ntwo\n%K three\n",
       "\"Doe, J.;Roe, R.\",\"Ed, A.;Ed, B.\",\"one;two;three\"\r\n"},
      {"notes and an abstract keep their lines; a title over two lines is one line", On(4, 14, 15),
       "%0 Book\n%T A long\n   title\n%X First.\nSecond.\n%Z n1\n%Z \n%Z n2\n",
       "\"A long title\",\"First.\x85Second.\",\"n1\x85n2\"\r\n"},
      {"a URL and a DOI are both links; a later title replaces", On(4, 27),
       "%0 Book\n%T Old\n%T New\n%U http://a.org\n%R 10.1/x\n",
       "\"New\",\"http://a.org;10.1/x\"\r\n"},
      {"the type stays as written, even a RIS code; quotes are doubled", On(1, 4),
       "%0 JOUR\n%T Say \"hi\"\n", "\"JOUR\",\"Say \"\"hi\"\"\"\r\n"},
      {"a value beyond its width is cut and counted", On(4), "%0 Book\n%T abcdefgh\n",
       "\"abcd\"\r\n", 1, 4},
      {"LF, with a last blank line", On(1, 4), "%0 Book\n%T One\n\n%0 Journal Article\n%T Two\n\n",
       rows},
      {"CR LF, a byte-order mark, no last blank line", On(1, 4),
       "\xEF\xBB\xBF%0 Book\r\n%T One\r\n\r\n%0 Journal Article\r\n%T Two", rows},
      {"lone CRs, and no blank line between references: %0 starts the next", On(1, 4),
       "%0 Book\r%T One\r%0 Journal Article\r%T Two\r", rows},
      {"blank lines before and between, a reference without %0", On(1, 4),
       "\n\n%0 Book\n%T One\n\n\n%T Two\n", "\"Book\",\"One\"\r\n\"\",\"Two\"\r\n"},
  };
  test::ExpectReads(Mode::EndNote, cases, ReadEndNoteTaggedExport);
}

// Blank lines inside a reference, and a title before %0, as other tools
// write EndNote's format: one rule reads EndNote's own shape and these.
TEST(tagged_reader_test, blank_lines_end_a_reference_only_where_the_next_begins) {
  const ReaderCase cases[] = {
      {"EndNote's own: %0 first, a blank line between references", On(1, 4),
       "%0 Book\n%T One\n\n%0 Book\n%T Two\n\n", "\"Book\",\"One\"\r\n\"Book\",\"Two\"\r\n"},
      {"blank lines before tags the reference doesn't hold yet keep it whole", On(1, 4, 25, 27),
       "%0 Journal Article\n%T One\n\n%M 123\n\n%U http://a.org\n\n%^ x\n\n"
       "%0 Journal Article\n%T Two\n\n%M 456\n",
       "\"Journal Article\",\"One\",\"123\",\"http://a.org\"\r\n"
       "\"Journal Article\",\"Two\",\"456\",\"\"\r\n"},
      {"text after a blank line is a new paragraph of the value before", On(4, 14),
       "%0 Book\n%T T\n%X First paragraph\nstill first.\n\nSecond paragraph.\n",
       "\"T\",\"First paragraph\x85still first.\x85Second paragraph.\"\r\n"},
      {"a title before %0 is one reference, as catalogues write it", On(1, 2, 4),
       "%T One\n%0 Book\n%A Doe\n\n%T Two\n%0 Book\n%A Roe\n",
       "\"Book\",\"Doe\",\"One\"\r\n\"Book\",\"Roe\",\"Two\"\r\n"},
      {"an empty line of a better tag holds nothing back, erases nothing", On(4, 27),
       "%0 Book\n%T Kept\n%T \n%U a.org\n", "\"Kept\",\"a.org\"\r\n"},
  };
  test::ExpectReads(Mode::EndNote, cases, ReadEndNoteTaggedExport);
}

TEST(tagged_reader_test, tags_without_a_field_are_logged) {
  ReaderRun r(Mode::EndNote, "%0 Book\n%+ Dept.\n%G en\n%+ Lab\n", ReadEndNoteTaggedExport);
  EXPECT_EQ(r.read({1}).status, ReadStatus::Read);
  EXPECT_NE(std::find(r.run.log.begin(), r.run.log.end(), "Tags without a field: %+ 2, %G 1"),
            r.run.log.end());
}

TEST(tagged_reader_test, a_full_date_kept_out_by_the_year_is_logged) {
  ReaderRun r(Mode::EndNote, "TY  - JOUR\nPY  - 2021\nDA  - 2021/03/15\nER  - \n",
              ReadRisIntoEndNote);
  EXPECT_EQ(r.read({3}).status, ReadStatus::Read);
  EXPECT_EQ(r.records(), "\"2021\"\r\n");
  EXPECT_EQ(r.run.log, (std::vector<std::string>{"Values left out for a better tag: DA 1"}));
}

TEST(tagged_reader_test, endnote_ris_export_reaches_endnote_fields) {
  const ReaderCase cases[] = {
      {"a journal article as EndNote writes it", On(1, 2, 3, 4, 5, 11, 13, 14, 15, 27),
       "TY  - JOUR\r\nAU  - Doe, J.\r\nAU  - Roe, R.\r\nTI  - Heat\r\nPY  - 2001\r\n"
       "T2  - Nature\r\nSP  - 1\r\nEP  - 9\r\nKW  - a\r\nKW  - b\r\nAB  - Abs\r\n"
       "N1  - Note\r\nUR  - http://u\r\nDO  - 10.1/x\r\nER  - \r\n\r\n",
       "\"Journal Article\",\"Doe, J.;Roe, R.\",\"2001\",\"Heat\",\"Nature\",\"1-9\",\"a;b\","
       "\"Abs\",\"Note\",\"http://u;10.1/x\"\r\n"},
      {"a code EndNote has no name for stays; lines outside records are skipped", On(1, 4),
       "preamble\nTY  - XYZ\nT1  - T\nER  -\nstray\n", "\"XYZ\",\"T\"\r\n"},
      {"one blank before the hyphen is a tag line, as in Reference Manager mode", On(1, 4, 13),
       "TY - JOUR\nTI - Heat\nKW - city\nXY - not a keyword\nER - \n",
       "\"Journal Article\",\"Heat\",\"city\"\r\n"},
      {"an empty journal line holds no abbreviation back", On(5),
       "TY  - JOUR\nJF  - \nJA  - J Abbr\nER  - \n", "\"J Abbr\"\r\n"},
  };
  test::ExpectReads(Mode::EndNote, cases, ReadRisIntoEndNote);
}

}  // namespace
}  // namespace tk
