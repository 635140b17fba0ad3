// EndNote's two stock exports read in EndNote mode: the %-tagged "EndNote
// Export" and its RIS export. Field numbers: 1 type, 2 author, 3 year, 4
// title, 5 secondary title, 6 editor, 11 pages, 13 keywords, 14 abstract,
// 15 notes, 27 URL.
#include "ImportFixture.h"
#include "import/TaggedReader.h"

namespace tk {
namespace {

using test::On;
using test::ReaderCase;
using test::ReaderRun;

// Every tag fills its field: the second record's %B shares the fifth with %J.
TEST(tagged_reader_test, every_tag_fills_its_field) {
  std::string empty26;
  for (int i = 0; i < 26; ++i) empty26 += ",\"\"";
  const ReaderCase all[] = {
      {"all tags", test::UpTo(31),
       "%0 Book\n%A vA\n%D vD\n%T vT\n%J vJ\n%E vE\n%C vC\n%I vI\n%V vV\n%N vN\n%P vP\n%L vL\n"
       "%K vK\n%X vX\n%Z vZ\n%6 v6\n%Y vY\n%S vS\n%7 v7\n%8 v8\n%9 v9\n%H vH\n%Q vQ\n%@ v@\n"
       "%M vM\n%F vF\n%U vU\n%R vR\n%1 v1\n%2 v2\n%3 v3\n%4 v4\n\n%0 Book\n%B vB\n",
       "\"Book\",\"vA\",\"vD\",\"vT\",\"vJ\",\"vE\",\"vC\",\"vI\",\"vV\",\"vN\",\"vP\",\"vL\","
       "\"vK\",\"vX\",\"vZ\",\"v6\",\"vY\",\"vS\",\"v7\",\"v8\",\"v9\",\"vH\",\"vQ\",\"v@\",\"vM\","
       "\"vF\",\"vU;vR\",\"v1\",\"v2\",\"v3\",\"v4\"\r\n\"Book\",\"\",\"\",\"\",\"vB\"" +
           empty26 + "\r\n"},
  };
  test::ExpectReads(Mode::EndNote, all, ReadEndNoteTaggedExport);
}

// Blank lines inside a reference, and a title before %0, as other tools
// write EndNote's format: one rule reads EndNote's own shape and these.
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

// Once per file and tag, in both of EndNote's formats.
TEST(tagged_reader_test, what_was_left_out_is_logged) {
  const struct {
    test::Reader reader;
    int field;
    std::string input, records, logged;
  } cases[] = {
      {ReadEndNoteTaggedExport, 1, "%0 Book\n%+ Dept.\n%G en\n%+ Lab\n", "\"Book\"\r\n",
       "Tags without a field: %+ 2, %G 1"},
      {ReadRisIntoEndNote, 3, "TY  - JOUR\nPY  - 2021\nDA  - 2021/03/15\nER  - \n", "\"2021\"\r\n",
       "Values left out for a better tag: DA 1"},
  };
  for (const auto& c : cases) {
    ReaderRun r(Mode::EndNote, c.input, c.reader);
    EXPECT_EQ(r.read({c.field}).status, ReadStatus::Read);
    EXPECT_EQ(r.records(), c.records);
    EXPECT_EQ(r.run.log, std::vector<std::string>{c.logged});
  }
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
