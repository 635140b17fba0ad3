// The zip an emulator installs from: entries named after the databases,
// each a database once, refused whole above the emulator's limit.
#include "import/DatabaseZip.h"

#include "import/HandheldTexts.h"
#include "mock/Expect.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

namespace tk::test {
namespace {

// A PDB as far as the zip looks: its name in the first 32 bytes.
std::string Pdb(const std::string& name, std::size_t size = 78) {
  std::string bytes = name;
  bytes.resize(std::max<std::size_t>(size, 32), '\0');
  return bytes;
}

std::uint32_t Read32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

TEST(database_zip_test, the_archive_is_laid_out_as_zip_readers_expect) {
  const std::string zip = ZipArchive({{"EN-a.pdb", "abc"}});
  EXPECT_EQ(Read32(zip, 0), 0x04034B50u);
  EXPECT_EQ(Read32(zip, 14), 0x352441C2u) << "the CRC-32 of \"abc\"";
  EXPECT_EQ(zip.substr(30, 11), "EN-a.pdbabc");
  EXPECT_EQ(Read32(zip, 41), 0x02014B50u) << "the directory follows the one entry";
  const std::size_t end = zip.size() - 22;
  EXPECT_EQ(Read32(zip, end), 0x06054B50u);
  EXPECT_EQ(Read32(zip, end + 16), 41u) << "where the directory starts";
}

// Entries are named <database name>.pdb, in UTF-8 whatever the handheld's
// set; a later database of a name takes an earlier one's place.
TEST(database_zip_test, entries_are_the_databases_by_name_each_once) {
  TempFolder dir;
  WriteBytes(dir.file("EN-r\xC3\xA9sum\xC3\xA9.PDB"), Pdb("EN-r\xE9sum\xE9"));
  WriteBytes(dir.file("one.PDB"), Pdb("EN-one", 40));
  WriteBytes(dir.file("again.PDB"), Pdb("EN-one", 50));
  const std::string zip = dir.file("out.zip");
  ASSERT_EQ(WriteDatabaseZip(zip,
                             {dir.file("EN-r\xC3\xA9sum\xC3\xA9.PDB"), dir.file("one.PDB"),
                              dir.file("again.PDB")},
                             PalmCharset::Windows1252),
            "");
  EXPECT_TRUE(FileHolds(zip, ZipArchive({{"EN-r\xC3\xA9sum\xC3\xA9.pdb", Pdb("EN-r\xE9sum\xE9")},
                                         {"EN-one.pdb", Pdb("EN-one", 50)}})));
}

TEST(database_zip_test, over_the_emulators_limit_or_unreadable_nothing_is_written) {
  TempFolder dir;
  const std::string zip = dir.file("out.zip");
  WriteBytes(zip, "earlier");
  WriteBytes(dir.file("a.PDB"), Pdb("EN-a", 17u << 20));
  WriteBytes(dir.file("b.PDB"), Pdb("EN-b", 16u << 20));
  EXPECT_EQ(WriteDatabaseZip(zip, {dir.file("a.PDB"), dir.file("b.PDB")}, PalmCharset::Windows1252),
            ZipTooLargeText(zip, 32));
  EXPECT_TRUE(KeptAsItWas(zip, "earlier"));
  EXPECT_EQ(WriteDatabaseZip(zip, {dir.file("a.PDB"), dir.file("a.PDB")}, PalmCharset::Windows1252),
            "")
      << "one database twice is one entry";
  EXPECT_EQ(WriteDatabaseZip(zip, {dir.file("gone.PDB")}, PalmCharset::Windows1252),
            ZipNotWrittenText(zip, CannotReadText(dir.file("gone.PDB"))));
}

}  // namespace
}  // namespace tk::test
