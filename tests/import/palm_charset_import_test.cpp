// Exports reach a handheld of another character set in its own bytes: the
// readers' marks never clash with a byte inside a character, widths and the
// database name are cut where a character ends, and what the set lacks is
// "?" and counted.
#include "ImportFixture.h"

namespace tk {
namespace {

using test::DriverRun;

const std::string kDegree = "\xC2\xB0", kHalfwidthProlonged = "\xEF\xBD\xB0",  // 0xB0 in Shift_JIS
    kEast = "\xE6\x9D\xB1", kCapital = "\xE4\xBA\xAC", kNorth = "\xE5\x8C\x97",
                  kTai = "\xE8\x87\xBA", kSeoul = "\xEC\x84\x9C\xEC\x9A\xB8\xEC\x8B\x9C",
                  kMoscow = "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0",
                  kCornerUpLeft = "\xE2\x94\x98", kEllipsis = "\xE2\x80\xA6";

const char kOneReplaced[] =
    "1 Records Transferred to  JFile. Number of records with replaced characters: 1";

// The status, then the records the Palm gets.
std::string Imported(DriverRun& run, const std::string& input) {
  const std::string status = run.importFiles({run.input("refs.txt", input)});
  const std::string csv = test::ReadBytes(run.pdb("refs"));
  return status + "\n" + csv.substr(csv.find("\r\n") + 2);
}

}  // namespace

TEST(palm_charset_import_test, values_arrive_in_the_handhelds_set) {
  const struct {
    const char* behaviour;
    Mode mode;
    PalmCharset palm;
    Charset charset;
    int width;  // of field 2
    std::string input, expected;
  } cases[] = {
      {"Shift_JIS: only the degree sign ends an EndNote record, not the byte 0xB0", Mode::EndNote,
       PalmCharset::ShiftJis, Charset::Utf8, 20,
       kHalfwidthProlonged + "\t" + kEast + kDegree + "Book" + kDegree,
       "2 Records Transferred to  JFile\n\"\xB0\",\"\x93\x8C\",\r\n\"Book\",\r\n"},
      {"GBK: in RIS the degree sign is text; a character GBK lacks is replaced", Mode::RefMan,
       PalmCharset::Gbk, Charset::Utf8, 20,
       "TY  - JOUR\nT1  - " + kNorth + kCapital + " 20" + kDegree + "C \xC2\xA9\nER  - \n",
       std::string(kOneReplaced) + "\n\"JOUR\",\"\",\"\xB1\xB1\xBE\xA9 20\xA1\xE3" +
           "C ?\",\"\"\r\n"},
      {"Big5: a line break inside a value is 0xFF", Mode::ProCite, PalmCharset::Big5, Charset::Utf8,
       20, "a\nb\t" + kTai + kNorth + "\r\n",
       "1 Records Transferred to  JFile\n\"a\xFF"
       "b\",\"\xBB\x4F\xA5\x5F\",\r\n"},
      {"KOI8-R: the character on the line-break byte is replaced, an ellipsis is dots",
       Mode::EndNote, PalmCharset::Koi8R, Charset::Utf8, 20,
       kMoscow + "\t" + kCornerUpLeft + kEllipsis + kDegree,
       std::string(kOneReplaced) + "\n\"\xED\xCF\xD3\xCB\xD7\xC1\",\"?...\",\r\n"},
      {"Windows-1252 files are read as such: the euro moves, what is lacking is replaced",
       Mode::EndNote, PalmCharset::Windows1251, Charset::Windows1252, 20, "\x80\t\xC5\xB0",
       std::string(kOneReplaced) + "\n\"\x88\",\"?\",\r\n"},
      {"EUC-KR: a width of 5 bytes keeps two whole characters", Mode::EndNote, PalmCharset::EucKr,
       Charset::Utf8, 5, "x\t" + kSeoul + kDegree,
       "1 Records Transferred to  JFile. Number of truncated records: "
       "1\n\"x\",\"\xBC\xAD\xBF\xEF\",\r\n"},
      // Counted as cut only when the value is, not its doubled quotes.
      {"Shift_JIS: a doubled quote and a character share the width", Mode::RefMan,
       PalmCharset::ShiftJis, Charset::Utf8, 5,
       "TY  - JOUR\nT1  - \"" + kEast + kCapital + "\nER  - \n",
       "1 Records Transferred to  JFile\n\"JOUR\",\"\",\"\"\"\x93\x8C\",\"\"\r\n"},
  };
  for (const auto& c : cases) {
    DriverRun run(c.mode);
    run.settings.palmCharset = c.palm;
    run.settings.charset = c.charset;
    run.setup.table[2].maxWidth = c.width;
    if (c.mode == Mode::RefMan) run.setup.table[3].maxWidth = c.width;
    EXPECT_EQ(Imported(run, c.input), c.expected) << c.behaviour;
    const std::string args = test::ReadBytes(run.program.file("args.txt"));
    EXPECT_EQ(args.find("\n--line-break=ff\n") != std::string::npos, IsDoubleByte(c.palm))
        << c.behaviour << ": the converter is told the mark\n"
        << args;
  }
}

// The 19 bytes of a database name end where a character does; the log says
// the name in characters.
TEST(palm_charset_import_test, database_names_are_cut_where_a_character_ends) {
  DriverRun run(Mode::EndNote);
  run.settings.palmCharset = PalmCharset::ShiftJis;
  const std::string cities =
      "a\xE6\x9D\xB1\xE4\xBA\xAC\xE5\xA4\xA7\xE9\x98\xAA\xE5\x90\x8D"
      "\xE5\x8F\xA4\xE5\xB1\x8B\xE6\xA8\xAA";  // a + 8 characters
  ImportRun import;
  import.inputPath = run.input(cities + ".txt", "x");
  NameImportOutputs(run.settings, Mode::EndNote, import);
  LogImportNames(import);
  EXPECT_EQ(import.palmName, "\"EN-a\x93\x8C\x8B\x9E\x91\xE5\x8D\xE3\x96\xBC\x8C\xC3\x89\xAE\"");
  const std::string shown = "\"EN-" + cities.substr(0, 1 + 7 * 3) + "\"";
  EXPECT_EQ(import.log.back(), "Palm Name is " + shown);
  // Two names alike in their first 19 bytes make one database, said in UTF-8.
  const test::Lines chosen = {run.input(cities + "1.txt", "x" + test::kEndNoteEnd),
                              run.input(cities + "2.txt", "y" + test::kEndNoteEnd)};
  (void)run.importFiles(chosen);
  EXPECT_TRUE(test::Holds(
      run.ui.messages.at(0).text,
      chosen[1] + " replaces the result of " + chosen[0] + ": both make the database " + shown));
}

}  // namespace tk
