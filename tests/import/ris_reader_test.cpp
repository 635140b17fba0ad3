// Reading RIS as today's exporters write it: each case is a few lines in the
// manner of one exporter and the CSV row it must give. Field numbers: 1 type,
// 3 title, 4 authors, 5 date, 6 notes, 7 keywords, 11 periodical, 13 title 2,
// 14 editors, 25 abstract, 26 ISSN, 27 DOI, 32 address, 33 URL.
#include "ImportFixture.h"

namespace tk {
namespace {

using test::On;
using test::ReaderRun;

std::string Lines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

}  // namespace

TEST(ris_reader_test, exporters_records_reach_their_fields) {
  const test::ReaderCase cases[] = {
      {"a journal article: TI, T2 journal, AB, DA and PY, DO, J2 abbreviation",
       On(1, 3, 4, 5, 6, 11, 13, 25, 27),
       Lines({"TY  - JOUR", "TI  - Urban heat and tree cover", "AU  - Okafor, Ngozi",
              "AU  - Lindqvist, Per", "T2  - Journal of Urban Ecology", "AB  - Trees cool cities.",
              "DA  - 2021/04/02/", "PY  - 2021", "DO  - 10.1093/jue/juab007", "J2  - J Urban Ecol",
              "N1  - Publisher: OUP", "ER  - ", ""}),
       "\"JOUR\",\"Urban heat and tree cover\",\"Okafor, Ngozi;Lindqvist, Per\",\"2021\","
       "\"Publisher: OUP\",\"Journal of Urban Ecology\",\"Journal of Urban Ecology\","
       "\"Trees cool cities.\",\"10.1093/jue/juab007\"\r\n"},
      {"two ISSNs, two URLs and two notes join; empty lines erase nothing", On(6, 25, 26, 33),
       Lines({"TY  - JOUR", "TI  - x", "AB  - Leaves turn.", "SN  - 2055-026X", "SN  - ",
              "SN  - 2055-0278", "UR  - http://a.org/1", "UR  - http://b.org/2", "N1  - first note",
              "N1  - ", "N1  - second note", "ER  - "}),
       "\"first note\x85second note\",\"Leaves turn.\",\"2055-026X;2055-0278\","
       "\"http://a.org/1;http://b.org/2\"\r\n"},
      {"keywords on the lines after KW are keywords of their own; editors join", On(4, 7, 14),
       Lines({"TY  - EDBOOK", "AU  - Ruiz, A.", "A2  - Berg, K.", "ED  - Lund, M.", "KW  - alpha",
              "beta", "  gamma delta ", "ER  - "}),
       "\"Ruiz, A.\",\"alpha;beta;gamma delta\",\"Berg, K.;Lund, M.\"\r\n"},
      {"BT is a whole book's title and a chapter's book", On(1, 3, 13),
       Lines({"TY  - BOOK", "BT  - Rivers of Asia", "ER  - ", "TY  - CHAP", "TI  - The Mekong",
              "BT  - Rivers of Asia", "ER  - ", "TY  - BOOK", "T1  - Main title",
              "BT  - Other title", "ER  - "}),
       "\"BOOK\",\"Rivers of Asia\",\"\"\r\n\"CHAP\",\"The Mekong\",\"Rivers of Asia\"\r\n"
       "\"BOOK\",\"Main title\",\"\"\r\n"},
      {"with N2 the abstract, AB keeps its place in Notes after the notes", On(6, 25),
       Lines(
           {"TY  - JOUR", "AB  - short version", "N1  - a note", "N2  - The abstract.", "ER  - "}),
       "\"a note\x85short version\",\"The abstract.\"\r\n"},
      {"a journal's full name wins over its abbreviation, whatever the order", On(11, 13),
       Lines({"TY  - JOUR", "TI  - a", "JA  - Ann. Bot.", "T2  - Annals of Botany", "ER  - ",
              "TY  - JOUR", "JO  - Plant Cell", "J2  - Plant Cell Abbr", "JA  - PC",
              "T2  - The Plant Cell Journal", "ER  - ", "TY  - CHAP", "PY  - 1", "PY  - 1",
              "J2  - Abbr", "T2  - A Book", "ER  - "}),
       "\"Annals of Botany\",\"Annals of Botany\"\r\n"
       "\"The Plant Cell Journal\",\"The Plant Cell Journal\"\r\n"
       "\"Abbr\",\"A Book\"\r\n"},
      {"DA fills the date only without PY or Y1; a DOI without AV wins over AV", On(5, 27),
       Lines({"TY  - JOUR", "DA  - 2019/11/05/", "AV  - shelf 3", "DO  - 10.1/x", "ER  - ",
              "TY  - JOUR", "Y1  - 2018", "DA  - 2019", "ER  - "}),
       "\"2019/11/05/\",\"10.1/x\"\r\n\"2018\",\"\"\r\n"},
      {"an empty type line starts a record, as an empty end line ends one", On(1, 3),
       "TY  -\nTI  - Untyped\nER  -\nTI  - outside\nTY  -\r\nT1  - next\r\n",
       "\"\",\"Untyped\"\r\n\"\",\"next\"\r\n"},
      {"Reference Manager's own T2 of a journal stays the secondary title only", On(11, 13),
       Lines({"TY  - JOUR", "T1  - a", "T2  - Proceedings B", "JA  - Proc.B", "ER  - "}),
       "\"Proc.B\",\"Proceedings B\"\r\n"},
  };
  test::ExpectReads(Mode::RefMan, cases);
}

// The line rules every exporter relies on; the lines are cut where a reader
// that skipped a step would go wrong.
TEST(ris_reader_test, lines_and_tags_follow_the_rules) {
  const std::string huge(100000, 'n');
  const test::ReaderCase cases[] = {
      {"lines outside records and unknown tags are ignored", On(1, 3),
       "junk\nT1  - lost\nTY  - BOOK\nt1  - lower\nT1  -glued\nXX  - other\nT1  - kept\nER  - \n"
       "between\nTY  - JOUR\nER  - \n",
       "\"BOOK\",\"kept\"\r\n\"JOUR\",\"\"\r\n"},
      {"a byte-order mark is skipped", On(1), "\xEF\xBB\xBFTY  - JOUR\r\nER  - \r\n",
       "\"JOUR\"\r\n"},
      {"half a byte-order mark is text of its own line", On(1), "\xEF\xBB\nTY  - B\nER  - \n",
       "\"B\"\r\n"},
      {"CR LF, LF and a lone CR all end lines", On(1, 3, 12),
       "TY  - A\r\nT1  - t\nVL  - 9\rER  - \r\rTY  - B\n\nER  - ",
       "\"A\",\"t\",\"9\"\r\n\"B\",\"\",\"\"\r\n"},
      {"a type line inside an open record starts a new one; an end line needs no blank", On(1, 3),
       "TY  - A\nT1  - first\nTY  - B\nT1  - second\nER  -\nT1  - lost\n",
       "\"A\",\"first\"\r\n\"B\",\"second\"\r\n"},
      {"continuation lines join the previous value", On(1, 4, 6),
       "TY  - JOUR\n  more type\t \nA1  - Smith\n\tand Jones  \n\nN1  - a\n ER then b\n*B  - c\n"
       "Ok x-ray\nER  - \n",
       "\"JOUR more type\",\"Smith and Jones\",\"a ER then b *B  - c Ok x-ray\"\r\n"},
      {"a continuation after an unknown tag is ignored with it", On(3, 6),
       "TY  - x\nT1  - title\nZ9  - other\nAB -\nmore\nN1  - note\nz9  - other\nstill other\n"
       "PB  -\nmore\nER  - \n",
       "\"title\",\"note\"\r\n"},
      {"a last record without an end line is converted", On(1, 33),
       "TY  - A\nER  - \nTY  - B\nUR  - x.com", "\"A\",\"\"\r\n\"B\",\"x.com\"\r\n"},
      // Found by the fuzz target: an empty value had no storage to append to.
      {"a tag with an empty value, then a continuation", On(1, 2),
       std::string("TY  - \n]\x13\0t", 11), std::string("\" ]\x13\0t\",\"\"\r\n", 12)},
      {"no selected field gives bare line ends", On(), "TY  - x\nER  - \n", "\r\n"},
      // abc"d fits 5 but not once doubled; abcd" would leave half a pair.
      {"quotes are doubled after the cut and never split", On(3, 6, 13),
       "TY  - x\nT1  - say \"hi\"\nN1  - abc\"d\nT2  - abcd\"\nER  - \n",
       "\"say \",\"abc\"\"\",\"abcd\"\r\n", 1, 5},
      {"a value as long as its width is not cut", On(3), "TY  - x\nT1  - abcde\nER  - \n",
       "\"abcde\"\r\n", 0, 5},
      {"values settled at the record's end are cut and counted too", On(11, 13, 25),
       "TY  - JOUR\nT2  - abcdefgh\nAB  - 123456789\nER  - \n", "\"abcd\",\"abcd\",\"1234\"\r\n", 1,
       4},
      {"lines of any length are read whole", On(6, 7),
       "TY  - x\nN1  - " + huge + "\nKW  - k\nER  - \n",
       "\"" + huge.substr(0, 3990) + "\",\"k\"\r\n", 1},
  };
  test::ExpectReads(Mode::RefMan, cases);
}

// Shapes of real files that lost records or values: one blank before the
// hyphen, blanks after it, a journal's name after its abbreviation, a
// chapter's DOI before its book's, empty tag lines before a worse tag.
TEST(ris_reader_test, files_from_everywhere_keep_their_records_and_values) {
  const test::ReaderCase cases[] = {
      {"one blank before the hyphen, as several databases write it", On(1, 3, 4, 7),
       "TY - JOUR\nTI - Heat\nAU - Wang, Z.\nKW - city\nXY - not a keyword\nER - \n"
       "TY - BOOK\nER -\n",
       "\"JOUR\",\"Heat\",\"Wang, Z.\",\"city\"\r\n\"BOOK\",\"\",\"\",\"\"\r\n"},
      {"blanks after the hyphen are no part of the value, blanks inside it are", On(3, 27),
       Lines({"TY  - JOUR", "TI  -   Two  words ", "DO  -  10.1097/01.x", "ER  - "}),
       "\"Two  words \",\"10.1097/01.x\"\r\n"},
      {"the full name of a journal wins over JO, written before or after it", On(11),
       Lines({"TY  - JOUR", "JF  - Journal of Hydrology", "JO  - J. Hydrol.", "ER  - ",
              "TY  - JOUR", "JO  - J. Hydrol.", "JF  - Journal of Hydrology", "ER  - "}),
       "\"Journal of Hydrology\"\r\n\"Journal of Hydrology\"\r\n"},
      {"of two DOIs the first stays: the chapter's, not its book's", On(27),
       Lines({"TY  - CHAP", "DO  - 10.1007/978-3-030-1_4", "DO  - 10.1007/978-3-030-1", "ER  - "}),
       "\"10.1007/978-3-030-1_4\"\r\n"},
      {"an empty better tag line holds no worse tag back", On(3, 5, 11),
       Lines({"TY  - JOUR", "JF  - ", "JA  - J Abbr", "PY  - ", "DA  - 2021/03/15", "ER  - ",
              "TY  - BOOK", "T1  - ", "BT  - Whole Book", "ER  - "}),
       "\"\",\"2021/03/15\",\"J Abbr\"\r\n\"Whole Book\",\"\",\"\"\r\n"},
  };
  test::ExpectReads(Mode::RefMan, cases);
}

// A value a better tag kept out is named in the log when it said more (a
// full date beside its year), once per file and tag.
TEST(ris_reader_test, a_value_kept_out_by_a_better_tag_is_logged) {
  ReaderRun r(Mode::RefMan, Lines({"TY  - JOUR", "PY  - 2021", "DA  - 2021/03/15", "ER  - ",
                                   "TY  - JOUR", "DA  - 2020/01/02", "PY  - 2020", "ER  - ",
                                   "TY  - JOUR", "PY  - 2019", "DA  - 2019", "ER  - "}));
  EXPECT_EQ(r.read({5}).status, ReadStatus::Read);
  EXPECT_EQ(r.records(), "\"2021\"\r\n\"2020\"\r\n\"2019\"\r\n");
  EXPECT_EQ(r.run.log, (std::vector<std::string>{"Values left out for a better tag: DA 2"}));
}

// The log names what was left out: tags without a field once per file, and
// each record whose value a later, different line replaced, counted once.
TEST(ris_reader_test, the_log_names_what_was_left_out) {
  ReaderRun r(Mode::RefMan,
              Lines({"DB  - before any record", "TY  - JOUR", "LA  - eng", "DB  - PubMed", "LA  -",
                     "PY  - 2013", "PY  - 2013/02/15/received", "T1  - a", "TI  - b", "ER  - ",
                     "TY  - JOUR", "LA  - eng", "PY  - 2013", "PY  - 2013", "ER  - "}));
  EXPECT_EQ(r.read({3, 5}).lostValues, 1);
  EXPECT_EQ(r.records(), "\"b\",\"2013/02/15/received\"\r\n\"\",\"2013\"\r\n");
  EXPECT_EQ(r.run.log, (std::vector<std::string>{"Values replaced in Record 1: PY, TI",
                                                 "Tags without a field: LA 3, DB 1"}));
}

// Text lines after a tag line without a value are its value, so a later line
// of the tag replaces a value and says so.
TEST(ris_reader_test, a_value_on_the_lines_after_its_tag_is_replaced_like_any_other) {
  ReaderRun r(Mode::RefMan, Lines({"TY  - JOUR", "IS  - ", "S", "IS  - 3", "ER  - "}));
  EXPECT_EQ(r.read({15}).lostValues, 1);
  EXPECT_EQ(r.records(), "\"3\"\r\n");
  EXPECT_EQ(r.run.log, (std::vector<std::string>{"Values replaced in Record 1: IS"}));
}

}  // namespace tk
