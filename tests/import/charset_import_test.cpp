// UTF-8 exports reach the Palm as Windows-1252: every byte that means
// something to a reader (the line-break mark, EndNote's record end) comes
// only from the character it stands for, and what Windows-1252 lacks is
// counted per record.
#include "ImportFixture.h"

namespace tk {
namespace {

using test::DriverRun;

// The UTF-8 of characters that hold the bytes our marks are made of.
const std::string kARing = "\xC3\x85", kAOgonek = "\xC4\x85", kEllipsis = "\xE2\x80\xA6",
                  kEth = "\xC3\xB0", kIDot = "\xC4\xB0", kUHorn = "\xC6\xB0",
                  kCyrillicA = "\xD0\xB0", kDegree = "\xC2\xB0", kBom = "\xEF\xBB\xBF";
const std::string kTwoFirstReplaced =
    "2 Records Transferred to  JFile. Number of records with replaced characters: 1\n"
    "Characters replaced in Record 1\n";

std::string Times(int n, const std::string& text) {
  std::string all;
  while (n-- > 0) all += text;
  return all;
}

}  // namespace

// Each row's expectation is the status, the per-record log lines, then the
// records the Palm gets.
TEST(charset_import_test, utf8_values_arrive_as_windows_1252_value_by_value) {
  const struct {
    const char* behaviour;
    Mode mode;
    Charset charset;
    std::string input, expected;
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
  };
  for (const auto& c : cases) {
    DriverRun run(c.mode);
    run.settings.charset = c.charset;
    std::string seen = run.importFiles({run.input("refs.txt", c.input)}) + "\n";
    for (const auto& line : run.log)
      if (line.find("in Record") != std::string::npos) seen += line + "\n";
    const std::string csv = test::ReadBytes(run.pdb("refs"));
    EXPECT_EQ(seen + csv.substr(csv.find("\r\n") + 2), c.expected) << c.behaviour;
    EXPECT_TRUE(run.ui.texts().empty()) << c.behaviour;
  }
}

// The handheld's name is made of the file's characters, not its bytes; the
// database file keeps the name's own bytes, and the UTF-8 log its characters.
TEST(charset_import_test, database_names_are_windows_1252_cut_by_characters) {
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {"\xC3\x85ngstr\xC3\xB6m \xCE\xA9mega \xC3\xA9\xC3\xA8\xC3\xAA",
       "\"EN-\xC5ngstr\xF6m ?mega \xE9\"", "\"EN-\xC3\x85ngstr\xC3\xB6m ?mega \xC3\xA9\""},
      {"caf\xE9", "\"EN-caf\xE9\"", "\"EN-caf\xC3\xA9\""},  // already Windows-1252
  };
  DriverRun run(Mode::EndNote);
  for (const auto& [file, palmName, logged] : cases) {
    ImportRun import;
    import.inputPath = run.input(file + ".txt", "x");
    NameImportOutputs(run.settings, Mode::EndNote, import);
    LogImportNames(import);
    SCOPED_TRACE(file);
    EXPECT_EQ(import.palmName, palmName);
    EXPECT_EQ(import.pdbPath, run.pdb(file));
    EXPECT_EQ(import.log.back(), "Palm Name is " + logged);
  }
}

}  // namespace tk
