#include "import/RisReader.h"

#include "ImportFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tk {
namespace {

using test::DataFile;
using test::ImportFixture;

// A Reference Manager run with only the given fields selected.
struct RisRun : ImportFixture {
  RisRun(std::initializer_list<int> fields, const std::string& input, int maxWidth = 3990)
      : ImportFixture(kModeRefMan, maxWidth) {
    selectOnly(fields);
    this->input(input);
    count = ConvertRefManExport(state, ui);
  }
  int count = 0;
};

struct RisRunOnFile : ImportFixture {
  RisRunOnFile(std::initializer_list<int> fields, const std::string& sample)
      : ImportFixture(kModeRefMan) {
    if (fields.size() > 0) selectOnly(fields);
    state.inputPath = DataFile("ris/" + sample);
    count = ConvertRefManExport(state, ui);
  }
  int count = 0;
};

}  // namespace

TEST(ris_reader_test, lookup_matches_six_character_tags_exactly) {
  std::string_view tag, value;
  EXPECT_EQ(LookupRisTag("AU  - Smith", tag, value), 4);
  EXPECT_EQ(tag, "AU  - ");
  EXPECT_EQ(value, "Smith");
  EXPECT_EQ(LookupRisTag("J2  - x", tag, value), 11);
  EXPECT_EQ(LookupRisTag("ER  - ", tag, value), kRisRecordEnd);
  EXPECT_EQ(value, "");
  EXPECT_EQ(LookupRisTag("au  - Smith", tag, value), 0);
  EXPECT_EQ(LookupRisTag("AU  -Smith", tag, value), 0);
  EXPECT_EQ(LookupRisTag("AU", tag, value), 0);
  EXPECT_EQ(tag, "AU");
}

TEST(ris_reader_test, five_line_record_gives_type_title_and_joined_authors) {
  RisRun run({1, 2, 3, 4, 5},
             "TY  - JOUR\r\nA1  - First, A.\r\nA1  - Second, B.\r\nT1  - Cells\r\nER  - \r\n");
  EXPECT_EQ(run.count, 1);
  EXPECT_EQ(run.csv(),
            "\"Ref Type\",\"Ref ID\",\"Title 1 \",\"Authors 1\",\"Pub Date 1\"\r\n"
            "\"JOUR\",\"\",\"Cells\",\"First, A.;Second, B.\",\"\"\r\n");
  EXPECT_EQ(run.ui.lastRecord, 1);
}

// Each case: the fields selected, the export, the records written.
TEST(ris_reader_test, tagged_lines_become_records) {
  const struct {
    const char* behaviour;
    std::vector<int> fields;
    std::string input;
    std::string records;
  } cases[] = {
      {"authors and keywords join, other tags keep the last",
       {4, 6, 7, 11},
       "TY  - JOUR\nA1  - One\nAU  - Two\nN1  - note\nAB  - abstract\nKW  - k1\nKW  - k2\n"
       "JF  - a\nJO  - b\nJA  - c\nJ1  - d\nJ2  - e\nER  - \n",
       "\"One;Two\",\"abstract\",\"k1;k2\",\"e\"\r\n"},
      {"lines outside records and unknown tags are ignored",
       {1, 3},
       "junk\nT1  - lost\nTY  - BOOK\nt1  - lower\nT1  -glued\nXX  - other\nT1  - kept\nER  - \n"
       "between\nTY  - JOUR\nER  - \n",
       "\"BOOK\",\"kept\"\r\n\"JOUR\",\"\"\r\n"},
      // Files that real tools write.
      {"a byte-order mark is skipped", {1}, "\xEF\xBB\xBFTY  - JOUR\r\nER  - \r\n", "\"JOUR\"\r\n"},
      {"CR LF, LF and a lone CR all end lines",
       {1, 3, 12},
       "TY  - A\r\nT1  - t\nVL  - 9\rER  - \r\rTY  - B\n\nER  - ",
       "\"A\",\"t\",\"9\"\r\n\"B\",\"\",\"\"\r\n"},
      {"an end line without its trailing blank ends the record",
       {1},
       "TY  - A\nER  -\nTY  - B\nER  -\n",
       "\"A\"\r\n\"B\"\r\n"},
      {"a type line inside an open record starts a new one",
       {1, 3},
       "TY  - A\nT1  - first\nTY  - B\nT1  - second\nER  - \n",
       "\"A\",\"first\"\r\n\"B\",\"second\"\r\n"},
      {"continuation lines join the previous value",
       {1, 4, 6},
       "TY  - JOUR\n  more type\t \nA1  - Smith\n\tand Jones  \n\nN1  - a\n ER then b\n*  c\nER  - "
       "\n",
       "\"JOUR more type\",\"Smith and Jones\",\"a ER then b *  c\"\r\n"},
      {"a continuation after an unknown tag is ignored with it",
       {3},
       "TY  - x\nT1  - title\nXY  - other\nstill other\nPB  -\nmore\nER  - \n",
       "\"title\"\r\n"},
      {"a last record without an end line is converted",
       {1, 33},
       "TY  - A\nER  - \nTY  - B\nUR  - x.com",
       "\"A\",\"\"\r\n\"B\",\"x.com\"\r\n"},
  };
  for (const auto& c : cases) {
    ImportFixture f(kModeRefMan);
    f.selectOnly(c.fields);
    f.input(c.input);
    const auto lines = static_cast<int>(std::count(c.records.begin(), c.records.end(), '\n'));
    EXPECT_EQ(ConvertRefManExport(f.state, f.ui), lines) << c.behaviour;
    EXPECT_EQ(f.records(), c.records) << c.behaviour;
  }
}

TEST(ris_reader_test, quotes_are_doubled_after_the_cut_and_never_split) {
  RisRun run({3, 6, 13}, "TY  - x\nT1  - say \"hi\"\nN1  - abc\"d\nT2  - abcd\"\nER  - \n", 5);
  // abc"d fits 5 but not once doubled; abcd" would leave half a pair.
  EXPECT_EQ(run.records(), "\"say \",\"abc\"\"\",\"abcd\"\r\n");
  EXPECT_EQ(run.state.truncatedCount, 1);
  EXPECT_TRUE(run.state.memoLog.empty());
}

TEST(ris_reader_test, no_selected_field_gives_bare_line_ends) {
  RisRun run({}, "TY  - x\nER  - \n");
  EXPECT_EQ(run.count, 1);
  EXPECT_EQ(run.csv(), "\r\n\r\n");
}

TEST(ris_reader_test, unopenable_output_or_input_is_reported) {
  ImportFixture noOutput(kModeRefMan);
  noOutput.state.csvPath = noOutput.folder.file("missing") + "/out.csv";
  noOutput.input("TY  - x\nER  - \n");
  EXPECT_EQ(ConvertRefManExport(noOutput.state, noOutput.ui), 0);
  EXPECT_EQ(noOutput.ui.texts(), std::vector<std::string>{"Couldnt open output CSV File"});

  ImportFixture noInput(kModeRefMan);
  noInput.selectOnly({1});
  EXPECT_EQ(ConvertRefManExport(noInput.state, noInput.ui), 0);
  EXPECT_EQ(noInput.ui.texts(), std::vector<std::string>{"Couldnt Open input .csv file"});
  EXPECT_EQ(noInput.csv(), "\"Ref Type\"\r\n");
}

TEST(ris_reader_test, lines_of_any_length_are_read_whole) {
  std::string huge(100000, 'n');
  RisRun run({6, 7}, "TY  - x\nN1  - " + huge + "\nKW  - k\nER  - \n", 3990);
  EXPECT_EQ(run.records(), "\"" + std::string(3990, 'n') + "\",\"k\"\r\n");
  EXPECT_EQ(run.state.truncatedCount, 1);
}

// Samples from public projects (tests/data/ris, MIT licence).

TEST(ris_reader_test, samples_give_their_record_counts) {
  const std::pair<const char*, int> samples[] = {
      {"rispy/example_bom.ris", 1},
      {"rispy/example_extraneous_data.ris", 2},
      {"rispy/example_full_without_whitespace.ris", 2},
      {"rispy/example_multiline.ris", 3},
      {"rispy/example_utf_chars.ris", 1},
      {"jabref/RisImporterTest1.ris", 11},
      {"jabref/RisImporterCorrupted.ris", 0},
      {"jabref/RisImporterTestWithEmptyER.ris", 1},
      {"jabref/RisImporterTest6.ris", 1},
      {"citation-js/endnote-style-delimiters.ris", 2},
      {"citation-js/issue215-no-ER-at-eof.ris", 1},
      {"citation-js/pr248-1-preamble-empty-tags.ris", 1},
      {"derived/cr-only-from-rispy-example_full.ris", 2},
      {"derived/cp1252-crlf-from-jabref-scopus.ris", 1},
      {"derived/lowercase-tags-from-jabref-test7.ris", 0},
  };
  for (const auto& [name, count] : samples) {
    RisRunOnFile run({}, name);
    EXPECT_EQ(run.count, count) << name;
    EXPECT_TRUE(run.ui.messages.empty()) << name;
  }
}

TEST(ris_reader_test, rispy_multiline_notes_join_their_continuations) {
  RisRunOnFile run({6, 25}, "rispy/example_multiline.ris");
  std::string line =
      "\"first line * second line * last line\","
      "\"first line, ER then second line and at the end the last line\"\r\n";
  EXPECT_EQ(run.records(), line + line + line);
}

TEST(ris_reader_test, rispy_extraneous_data_keeps_keywords_and_last_journal) {
  RisRunOnFile run({2, 7, 11}, "rispy/example_extraneous_data.ris");
  EXPECT_EQ(run.records(),
            "\"12345\",\"Pippi;Nordwind;Piraten\",\"lorem\"\r\n"
            "\"12345\",\"Pippi Langstrumpf;Nordwind;Piraten\",\"lorem\"\r\n");
}

TEST(ris_reader_test, jabref_stress_file_splits_at_every_type_line) {
  RisRunOnFile run({1, 2, 4, 7}, "jabref/RisImporterTest1.ris");
  std::string all = run.records();
  EXPECT_TRUE(all.starts_with(
      "\"BOOK\",\"\",\"\",\"\"\r\n\"JOUR \",\"\",\"\",\"\"\r\n\"MGZN\",\"\",\"\",\"\"\r\n"));
  EXPECT_NE(all.find("\"CONF\",\"\",\"Cocke ;Harrison, Warren  Levenshtein Morris\",\"\"\r\n"),
            std::string::npos);
  EXPECT_TRUE(all.ends_with("\"THES\",\"123456 sxdbgsd\",\"\",\"keyword0;keyword1\"\r\n"));
}

TEST(ris_reader_test, cp1252_bytes_are_copied_unchanged) {
  RisRunOnFile run({4, 32}, "derived/cp1252-crlf-from-jabref-scopus.ris");
  EXPECT_EQ(run.records(),
            "\"Federico, S.;Grillo, A.;Herzog, W.\","
            "\"Dipartimento di Metodologie Fisiche, Facolt\xE0 di Ingegneria, Univ. degli Studi di "
            "Catania, "
            "Catania, Italy\"\r\n");
}

TEST(ris_reader_test, citation_js_file_without_end_keeps_its_last_values) {
  RisRunOnFile run({4, 13, 33}, "citation-js/issue215-no-ER-at-eof.ris");
  EXPECT_EQ(run.records(), "\"Brubaker, Bill\",\"Washington Post\",\"washingtonpost.com\"\r\n");
}

TEST(ris_reader_test, empty_tags_without_blank_do_not_clear_values) {
  RisRunOnFile run({1, 14, 16, 17}, "citation-js/pr248-1-preamble-empty-tags.ris");
  EXPECT_EQ(run.records(), "\"Chap\",\"Frood, Elizabeth\",\"Oxford\",\"Griffith Institute\"\r\n");
}

}  // namespace tk
