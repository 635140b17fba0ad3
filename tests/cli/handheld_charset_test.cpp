// References in the scripts of localised handhelds go to the handheld in its
// own set and come back whole, through the real converter.
#include "EndToEndFixture.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace tk::cli {
namespace {

using test::CliRun;
using test::EndToEnd;

// The export writes the tags in an order of its own.
std::vector<std::string> SortedLines(std::string_view text) {
  std::vector<std::string> lines;
  for (std::size_t end; !text.empty(); text.remove_prefix(std::min(end + 2, text.size()))) {
    end = std::min(text.find("\r\n"), text.size());
    if (end > 0) lines.emplace_back(text.substr(0, end));
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

// Each file holds only characters its set has, a ";" inside none and two
// lines of notes, so every tag line comes back as it went, in UTF-8 (auto,
// as the handheld's set is not Windows-1252).
TEST_F(EndToEnd, references_in_each_handheld_set_come_back_whole) {
  const std::pair<std::string, std::string> files[] = {
      {"cyrillic", "windows-1251"}, {"russian", "koi8-r"},         {"polish", "windows-1250"},
      {"greek", "windows-1253"},    {"turkish", "windows-1254"},   {"baltic", "windows-1257"},
      {"japanese", "shift_jis"},    {"chinese-simplified", "gbk"}, {"chinese-traditional", "big5"},
      {"korean", "euc-kr"}};
  for (const auto& [file, set] : files) {
    SCOPED_TRACE(file + " in " + set);
    const std::string sent = test::ReadBytes(test::DataFile("ris/handheld/" + file + ".ris"));
    test::WriteBytes(folder("Ref Man/" + file + ".ris"), sent);
    EXPECT_EQ(cli("import --palm-charset " + set + " 'Ref Man/" + file + ".ris'"),
              (CliRun{0, "1 Records Transferred to  JFile\n", ""}));
    EXPECT_EQ(cli("export --palm-charset " + set + " Install/RM-" + file + ".PDB"),
              (CliRun{0, "1 Records Transferred to Reference Manager\n", ""}));
    const std::string back = test::ReadBytes(folder("Ref Man/RM-" + file + ".RIS"));
    EXPECT_EQ(back.substr(0, 3), kUtf8ByteOrderMark);
    EXPECT_EQ(SortedLines(back.substr(3)), SortedLines(sent));
  }
  EXPECT_FALSE(test::Holds(test::ReadBytes(folder("tomekit.INI")), "PalmCharset"))
      << "one run's choice";
}

}  // namespace
}  // namespace tk::cli
