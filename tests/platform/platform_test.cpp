// Every file the program writes goes through OutputFile: a full disk or an
// unusable folder must never damage the target or leave a temporary file.
// The settings file and the install request store are written that way too.
// Then the text rules, paths, child processes and the message pump.
// These cases lean on POSIX: permission bits, links and fork.
#ifndef _WIN32
#include "platform/Files.h"
#include "platform/IniFile.h"
#include "platform/InstallRequestStore.h"
#include "platform/MessagePump.h"
#include "platform/Path.h"
#include "platform/Text.h"

#include "mock/FakeUi.h"
#include "mock/Faults.h"
#include "mock/ScopedEnv.h"
#include "mock/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <filesystem>

namespace tk {
namespace {

using Lines = std::vector<std::string>;

// No permission bit stops root, so as root the write is made by "nobody" in a
// child process. 0 written, 1 refused, 2 no other user to write as.
int WriteAsOtherUser(const auto& write) {
  if (::geteuid() != 0) return write() ? 0 : 1;
  const pid_t child = ::fork();
  if (child == 0) ::_exit(::setgid(65534) != 0 || ::setuid(65534) != 0 ? 2 : write() ? 0 : 1);
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 2;
}

// Past one buffer a full disk fails the write part-way, else at the final flush.
TEST(files_test, output_replaces_the_target_only_on_a_whole_commit_and_input_reads_or_fails) {
  test::TempFolder dir;
  const auto target = dir.file("out.csv");
  test::WriteBytes(target, "old");
  EXPECT_TRUE(OutputFile().open(target));  // abandoned: discarded
  for (int lines : {1, 10000}) {
    test::FullDiskFor(test::TkPartOf(target));
    EXPECT_FALSE(WriteTextLines(target, Lines(lines, "\"a value\",\"more\"")));
  }
  EXPECT_EQ(test::ReadBytes(target), "old");
  EXPECT_FALSE(test::LeftBehind(test::TkPartOf(target)));
  ASSERT_TRUE(WriteTextLines(target, {"new", ""}));
  ASSERT_TRUE(CopyFileBytes(target, dir.file("copy")));
  EXPECT_EQ(test::ReadBytes(dir.file("copy")), "new\r\n\r\n");
  test::UnreadableFile(dir.file("mem"));
  test::BlockFolder(dir.file("out"));
  Lines lines;
  for (const auto& bad : {dir.file("none"), dir.file("mem"), dir.path()})
    EXPECT_FALSE(CopyFileBytes(bad, dir.file("copy")) || ReadTextLines(bad, lines)) << bad;
  for (const auto& bad : {dir.file("out/refs.csv"), dir.path()})
    EXPECT_FALSE(OutputFile().open(bad)) << bad;
  EXPECT_FALSE(CreateFolders(dir.file("out/deeper")));
  EXPECT_TRUE(CreateFolders(dir.file("a/b")) && FolderExists(dir.file("a/b")));
  EXPECT_FALSE(FileExists(dir.file("a")));
  for (const auto& [bytes, expected] :
       {std::pair{"a\r\nb\nc\rd\r\r\n", Lines{"a", "b", "c", "d", ""}},
        {"", Lines{}},
        {"x", Lines{"x"}}}) {
    test::WriteBytes(dir.file("t"), bytes);
    ASSERT_TRUE(ReadTextLines(dir.file("t"), lines));
    EXPECT_EQ(lines, expected) << bytes;
  }
}

TEST(files_test, buffered_runs_and_get_share_one_position) {
  test::TempFolder dir;
  std::string bytes(200000, 'a');
  bytes[70000] = 'b';
  test::WriteBytes(dir.file("in.bin"), bytes);
  InputFile in;
  ASSERT_TRUE(in.open(dir.file("in.bin")));
  std::string seen;
  for (int c = in.get(); c >= 0; c = in.get()) {
    seen += static_cast<char>(c);
    const auto run = in.buffered().substr(0, 1000);
    seen += run;
    in.consume(run.size());
  }
  in.close();  // and a closed file reads as ended
  EXPECT_TRUE(seen == bytes && !in.failed() && in.get() < 0 && in.buffered().empty());
}

TEST(ini_file_test, reads_values_as_they_stand_and_integers_by_the_hex_rule) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("t.INI"),
                   "; [s]\r\n[tomekit]\r\nprogMode=2\r\n[s]\r\n  Path = C:\\a]\\ \r\n"
                   "empty=\nno equals\r\n;k=1\r\nlong=" +
                       std::string(3000, 'x') +
                       "\r\n[s2]\r\nk=2\r\n[n]\na=0x19A\nb=0XfF\nc=0xFFFFFFFF\nd=-12\ne=0x\n"
                       "f=0x1G\ng=0x100000000\nh=two\ni=\nj=0xa\n");
  IniFile ini(dir.file("t.INI"));
  std::string seen = std::to_string(ini.readInteger("Tomekit", "ProgMode", 0)) +
                     IniFile(dir.file("none.INI")).readString("s", "k", "absent");
  for (const char* key : {"path", "empty", "k", "no equals", "long"})
    seen += "|" + ini.readString("S", key, "-");
  for (char key = 'a'; key <= 'j'; ++key)
    seen += " " + std::to_string(ini.readInteger("n", {key}, 7));
  EXPECT_EQ(seen,
            "2absent|C:\\a]\\||-|-|" + std::string(2047, 'x') + " 410 255 -1 -12 7 7 7 7 7 10");
}

// Through a link, which stays one, to a file that keeps its permission bits.
TEST(ini_file_test, writing_leaves_untouched_lines_byte_for_byte) {
  test::TempFolder dir;
  test::WriteBytes(dir.file("real.INI"),
                   "; notes\n[UserInfo]\nENPath=/old\nPalmInPath=/in\n\n[Other]\nx = 1 ");
  std::filesystem::permissions(dir.file("real.INI"), std::filesystem::perms(0640));
  std::filesystem::create_symlink("real.INI", dir.file("t.INI"));
  IniFile ini(dir.file("t.INI"));
  ASSERT_TRUE(ini.writeString("userinfo", "enpath", "/new\\"));
  ASSERT_TRUE(ini.writeString("UserInfo", "userHSCode", "1234"));
  ASSERT_TRUE(ini.writeString("Other", "y", "a\r\nProgMode=3"));
  ASSERT_TRUE(ini.writeInteger("Tomekit", "ProgMode", -3));
  EXPECT_EQ(test::ReadBytes(dir.file("t.INI")),
            "; notes\n[UserInfo]\nENPath=/new\\\nPalmInPath=/in\nuserHSCode=1234\r\n\n"
            "[Other]\nx = 1 \r\ny=aProgMode=3\r\n\r\n[Tomekit]\r\nProgMode=-3\r\n");
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("t.INI")));
  EXPECT_EQ(std::filesystem::status(dir.file("t.INI")).permissions(), std::filesystem::perms(0640));
  std::filesystem::remove(dir.file("t.INI"));  // nothing of the vanished file comes back
  ASSERT_TRUE(ini.writeString("a", "k", "1"));
  EXPECT_EQ(test::ReadBytes(dir.file("t.INI")), "[a]\r\nk=1\r\n");
}

// An unreadable file, a file the user may not write: the file stays as it
// was. (A full disk and a blocked folder come with the settings' tests.)
TEST(ini_file_test, a_write_that_cannot_be_done_says_so_and_changes_nothing) {
  test::TempFolder dir;
  test::UnreadableFile(dir.file("mem.INI"));
  EXPECT_FALSE(IniFile(dir.file("mem.INI")).writeString("s", "k", "v"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.file("mem.INI")));
  const std::string path = dir.file("tomekit.INI");
  test::WriteBytes(path, "[UserInfo]\r\nprogMode=2\r\n");
  std::filesystem::permissions(dir.path(), std::filesystem::perms::all);
  std::filesystem::permissions(path, std::filesystem::perms(0444));
  const int written =
      WriteAsOtherUser([&] { return IniFile(path).writeString("UserInfo", "progMode", "3"); });
  EXPECT_EQ(test::ReadBytes(path), "[UserInfo]\r\nprogMode=2\r\n");
  EXPECT_FALSE(test::LeftBehind(test::TkPartOf(path)));
  if (written == 2) GTEST_SKIP() << "running as root, and no other user to write as";
  EXPECT_EQ(written, 1);
}

TEST(ini_file_test, install_requests_land_under_key_path_and_name) {
  const std::string key = "Software\\U.S. Robotics\\Pilot Desktop\\HotSync Manager";
  test::TempFolder dir;
  InstallRequestStore store(dir.file("deep/er/store.ini"));
  EXPECT_EQ(store.setValue(key, "Install0", 1), InstallStoreResult::Ok);
  EXPECT_EQ(store.setValue(key, "Install12", 4294967295u), InstallStoreResult::Ok);
  EXPECT_EQ(store.value(key, "install0"), 1u);
  EXPECT_FALSE(store.value(key, "Install").has_value());
  EXPECT_EQ(test::ReadBytes(dir.file("deep/er/store.ini")),
            "[" + key + "]\r\nInstall0=1\r\nInstall12=4294967295\r\n");
  EXPECT_EQ(std::pair(InstallRequestStore(dir.file("deep")).setValue(key, "Install0", 1),
                      InstallRequestStore("").setValue(key, "Install0", 1)),
            std::pair(InstallStoreResult::ValueNotSet, InstallStoreResult::KeyNotOpened));
  EXPECT_FALSE(InstallRequestStore(std::string()).value(key, "Install0").has_value());
}

TEST(ini_file_test, install_store_location_follows_the_environment) {
  test::ScopedEnv home("HOME", "/home/u"), config("XDG_CONFIG_HOME", "/cfg"),
      notChosen("TOMEKIT_INSTALL_STORE", nullptr);
  EXPECT_EQ(InstallRequestStore::DefaultFileLocation(), "/cfg/tomekit/hotsync-install.ini");
  test::ScopedEnv noConfig("XDG_CONFIG_HOME", nullptr);
  EXPECT_EQ(InstallRequestStore::DefaultFileLocation(),
            "/home/u/.config/tomekit/hotsync-install.ini");
  test::ScopedEnv noHome("HOME", nullptr);
  EXPECT_EQ(InstallRequestStore::DefaultFileLocation(), "");
}

TEST(text_test, whole_numbers_fit_32_bits_with_an_optional_sign) {
  for (const char* text : {"0", "+42", "-7", "007", "2147483647", "-2147483648"})
    EXPECT_EQ(ParseWholeNumber(text), std::stoll(text)) << text;
  for (const char* text : {"2147483648", "-2147483649", "99999999999999999999", "", "-", "+-1",
                           " 1", "1 ", "1a", "0x10", "/", ":"})
    EXPECT_EQ(ParseWholeNumber(text), std::nullopt) << text;
  EXPECT_TRUE(EqualsIgnoreCase("AZ ProgMode", "az PROGmode"));
  EXPECT_FALSE(EqualsIgnoreCase("ProgMode", "ProgMod"));
  EXPECT_FALSE(EqualsIgnoreCase("@[", "`{"));  // 32 apart, but not letters
}

TEST(text_test, paths_split_at_the_last_separator_and_extensions_at_its_last_dot) {
  const std::string path = "/a/b.c/My Refs.2001.txt";
  EXPECT_EQ(ExtractFileName(path) + "|" + ExtractFilePath(path) + "|" + ExtractFilePath("refs") +
                "|" + ExtractFileExt(path) + "|" + ChangeFileExt(path, ".csv") + "|" +
                ChangeFileExt("/x.y/refs", ".PDB"),
            "My Refs.2001.txt|/a/b.c/||.txt|/a/b.c/My Refs.2001.csv|/x.y/refs.PDB");
}

struct ManualClock : Clock {
  std::int64_t steadyMilliseconds() const override { return ms; }
  std::int64_t wallSeconds() const override { return ms / 1000; }
  void sleepMilliseconds(int) const override {}
  std::int64_t ms = 0;
};

TEST(text_test, message_pump_reads_the_clock_every_4096_calls_and_pumps_when_due) {
  test::FakeUi ui;
  ManualClock clock;
  MessagePump pump(ui, clock, 40);
  for (int i = 0; i < 4096 * 20; ++i) pump.pump();
  clock.ms = 40;
  for (int i = 0; i < 4095; ++i) pump.pump();
  EXPECT_EQ(ui.pumps, 0);
  pump.pump();
  EXPECT_EQ(ui.pumps, 1);
  for (int i = 0; i < 100000; ++i) pump.pump();
  pump.pumpNow();
  EXPECT_EQ(ui.pumps, 2);
}

}  // namespace
}  // namespace tk
#endif
