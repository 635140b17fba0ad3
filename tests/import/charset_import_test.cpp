// Exports reach the Palm in the handheld's set, Windows-1252 unless another
// is chosen: every byte that means something to a reader (the line-break
// mark, EndNote's record end) comes only from the character it stands for,
// widths are cut where a character ends, and what the set lacks is "?" and
// counted per record.
#include "ImportFixture.h"

namespace tk {
namespace {

using test::DriverRun;

// The UTF-8 of characters that hold the bytes our marks are made of.
const std::string kARing = "\xC3\x85", kAOgonek = "\xC4\x85", kEllipsis = "\xE2\x80\xA6",
                  kEth = "\xC3\xB0", kIDot = "\xC4\xB0", kUHorn = "\xC6\xB0",
                  kCyrillicA = "\xD0\xB0", kDegree = "\xC2\xB0", kBom = "\xEF\xBB\xBF";
const std::string kHalfwidthProlonged = "\xEF\xBD\xB0",  // 0xB0 in Shift_JIS
    kEast = "\xE6\x9D\xB1", kCapital = "\xE4\xBA\xAC", kNorth = "\xE5\x8C\x97",
                  kTai = "\xE8\x87\xBA", kSeoul = "\xEC\x84\x9C\xEC\x9A\xB8\xEC\x8B\x9C",
                  kMoscow = "\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0",
                  kCornerUpLeft = "\xE2\x94\x98";
const std::string kOneReplaced =
    " Records Transferred to  JFile. Number of records with replaced characters: 1\n"
    "Characters replaced in Record 1\n";
const std::string kTwoFirstReplaced = "2" + kOneReplaced;

std::string Times(int n, const std::string& text) {
  std::string all;
  while (n-- > 0) all += text;
  return all;
}

}  // namespace

// Each row's expectation is the status, the per-record log lines, then the
// records the Palm gets.
TEST(charset_import_test, values_arrive_in_the_handhelds_set_value_by_value) {
  const struct {
    const char* behaviour;
    Mode mode;
    Charset charset;
    std::string input, expected;
    PalmCharset palm = PalmCharset::Windows1252;
    int width = 20;  // of field 2, and of 3 in RIS
  } cases[] = {
      {"RIS: marks' bytes inside letters stay letters; a degree sign is text", Mode::RefMan,
       Charset::Auto,
       "TY  - JOUR\nT1  - " + kARing + " " + kAOgonek + kEllipsis + kEth + kDegree + "C\nA1  - " +
           kIDot + " " + kUHorn + " " + kCyrillicA + "\nER  - \nTY  - BOOK\nER  - \n",
       kTwoFirstReplaced + "\"JOUR\",\"\",\"\xC5 ?...\xF0\xB0" +
           "C\",\"? ? ?\"\r\n\"BOOK\",\"\",\"\",\"\"\r\n"},
      {"EndNote: only the degree sign ends a record; the BOM is no data", Mode::EndNote,
       Charset::Auto,
       kBom + "Journal\t" + kEth + " " + kIDot + "\t" + kUHorn + kCyrillicA + "\t" + kARing +
           kEllipsis + kDegree + "Book\t" + kEth + kDegree,
       kTwoFirstReplaced + "\"Journal\",\"\xF0 ?\",\"??\",\"\xC5...\"\r\n\"Book\",\"\xF0\",\r\n"},
      {"widths count the bytes that reach the Palm", Mode::EndNote, Charset::Utf8,
       "B\t" + Times(20, kCyrillicA) + "\t" + Times(21, "\xC3\xA9") + kDegree,
       "1 Records Transferred to  JFile. Number of truncated records: 1. Number of records with "
       "replaced characters: 1\nTruncated field(s) in Record 1\nCharacters replaced in Record 1\n"
       "\"B\",\"" +
           std::string(20, '?') + "\",\"" + std::string(20, '\xE9') + "\",\r\n"},
      {"ProCite: the record end and the line-break mark keep their meaning", Mode::ProCite,
       Charset::Auto, "a\n" + kEllipsis + "\t" + kDegree + "C " + kCyrillicA + "\r\n\r\nb\r\n",
       kTwoFirstReplaced + "\"a\x85...\",\"\xB0" + "C ?\",\r\n\"b\",\r\n"},
      {"the generic pre-pass hands its marks on", Mode::ProCiteGeneric, Charset::Auto,
       "a\t" + kCyrillicA + "\r\nb\t" + kARing + "\r\n",
       kTwoFirstReplaced + "\"a\",\"?\",\" \",\r\n\"b\",\"\xC5\",\" \",\r\n"},
      {"Windows-1252 files keep today's bytes under auto", Mode::RefMan, Charset::Auto,
       "TY  - JOUR\nT1  - \xC5\x85\xF0\xB0"
       "C\nER  - \n",
       "1 Records Transferred to  JFile\n\"JOUR\",\"\",\"\xC5\x85\xF0\xB0"
       "C\",\"\"\r\n"},
      {"chosen Windows-1252 reads UTF-8 as its bytes", Mode::EndNote, Charset::Windows1252,
       "x" + kEth + "y" + kDegree, "2 Records Transferred to  JFile\n\"x\xC3\",\r\n\"y\xC2\",\r\n"},
      {"Shift_JIS: only the degree sign ends an EndNote record, not the byte 0xB0", Mode::EndNote,
       Charset::Utf8, kHalfwidthProlonged + "\t" + kEast + kDegree + "Book" + kDegree,
       "2 Records Transferred to  JFile\n\"\xB0\",\"\x93\x8C\",\r\n\"Book\",\r\n",
       PalmCharset::ShiftJis},
      {"GBK: in RIS the degree sign is text; a character GBK lacks is replaced", Mode::RefMan,
       Charset::Utf8,
       "TY  - JOUR\nT1  - " + kNorth + kCapital + " 20" + kDegree + "C \xC2\xA9\nER  - \n",
       "1" + kOneReplaced + "\"JOUR\",\"\",\"\xB1\xB1\xBE\xA9 20\xA1\xE3" + "C ?\",\"\"\r\n",
       PalmCharset::Gbk},
      {"Big5: a line break inside a value is 0xFF", Mode::ProCite, Charset::Utf8,
       "a\nb\t" + kTai + kNorth + "\r\n",
       "1 Records Transferred to  JFile\n\"a\xFF"
       "b\",\"\xBB\x4F\xA5\x5F\",\r\n",
       PalmCharset::Big5},
      {"KOI8-R: the character on the line-break byte is replaced, an ellipsis is dots",
       Mode::EndNote, Charset::Utf8, kMoscow + "\t" + kCornerUpLeft + kEllipsis + kDegree,
       "1" + kOneReplaced + "\"\xED\xCF\xD3\xCB\xD7\xC1\",\"?...\",\r\n", PalmCharset::Koi8R},
      {"Windows-1252 files are read as such: the euro moves, what is lacking is replaced",
       Mode::EndNote, Charset::Windows1252, "\x80\t\xC5\xB0",
       "1" + kOneReplaced + "\"\x88\",\"?\",\r\n", PalmCharset::Windows1251},
      {"EUC-KR: a width of 5 bytes keeps two whole characters", Mode::EndNote, Charset::Utf8,
       "x\t" + kSeoul + kDegree,
       "1 Records Transferred to  JFile. Number of truncated records: 1\nTruncated field(s) in "
       "Record 1\n\"x\",\"\xBC\xAD\xBF\xEF\",\r\n",
       PalmCharset::EucKr, 5},
      // Counted as cut only when the value is, not its doubled quotes.
      {"Shift_JIS: a doubled quote and a character share the width", Mode::RefMan, Charset::Utf8,
       "TY  - JOUR\nT1  - \"" + kEast + kCapital + "\nER  - \n",
       "1 Records Transferred to  JFile\n\"JOUR\",\"\",\"\"\"\x93\x8C\",\"\"\r\n",
       PalmCharset::ShiftJis, 5},
  };
  for (const auto& c : cases) {
    DriverRun run(c.mode);
    run.settings.charset = c.charset;
    run.settings.palmCharset = c.palm;
    run.setup.table[2].maxWidth = run.setup.table[3].maxWidth = c.width;
    std::string seen = run.importFiles({run.input("refs.txt", c.input)}) + "\n";
    for (const auto& line : run.log)
      if (line.find("in Record") != std::string::npos) seen += line + "\n";
    const std::string csv = test::ReadBytes(run.pdb("refs"));
    EXPECT_EQ(seen + csv.substr(csv.find("\r\n") + 2), c.expected) << c.behaviour;
    EXPECT_TRUE(run.ui.texts().empty()) << c.behaviour;
    const std::string args = test::ReadBytes(run.program.file("args.txt"));
    EXPECT_EQ(args.find("\n--line-break=ff\n") != std::string::npos, IsDoubleByte(c.palm))
        << c.behaviour << ": the converter is told the mark\n"
        << args;
  }
}

}  // namespace tk
