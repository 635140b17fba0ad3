#include "cli/CommandLine.h"

#include "fields/FieldCatalogue.h"

#include <gtest/gtest.h>

namespace tk::cli {
namespace {

using Args = std::vector<std::string>;

TEST(command_line_test, import_and_export_take_files_in_order_and_an_optional_mode) {
  auto parsed = ParseCommandLine({"import", "--mode", "refman", "b.txt", "a.txt"});
  ASSERT_TRUE(parsed.invocation);
  EXPECT_EQ(parsed.invocation->command, Command::Import);
  EXPECT_EQ(parsed.invocation->mode, kModeRefMan);
  EXPECT_EQ(parsed.invocation->files, (Args{"b.txt", "a.txt"}));

  parsed = ParseCommandLine({"export", "x.PDB", "--mode=procite-generic"});
  ASSERT_TRUE(parsed.invocation);
  EXPECT_EQ(parsed.invocation->command, Command::Export);
  EXPECT_EQ(parsed.invocation->mode, kModeProCiteGeneric);

  parsed = ParseCommandLine({"export", "--", "--odd name.PDB"});
  ASSERT_TRUE(parsed.invocation);
  EXPECT_FALSE(parsed.invocation->mode);
  EXPECT_EQ(parsed.invocation->files, Args{"--odd name.PDB"});
}

TEST(command_line_test, mode_names) {
  EXPECT_EQ(ModeFromName("endnote"), kModeEndNote);
  EXPECT_EQ(ModeFromName("ProCite"), kModeProCite);
  EXPECT_FALSE(ModeFromName("generic"));
}

TEST(command_line_test, unusable_command_lines_say_why) {
  EXPECT_EQ(ParseCommandLine({}).error, "no command given");
  EXPECT_EQ(ParseCommandLine({"convert", "a"}).error, "unknown command 'convert'");
  EXPECT_EQ(ParseCommandLine({"import"}).error, "no file given");
  EXPECT_EQ(ParseCommandLine({"import", "--mode"}).error, "--mode needs a mode");
  EXPECT_EQ(ParseCommandLine({"import", "--mode", "word", "a"}).error, "unknown mode 'word'");
  EXPECT_EQ(ParseCommandLine({"export", "-x", "a"}).error, "unknown option '-x'");
}

TEST(command_line_test, help_wins_anywhere) {
  auto parsed = ParseCommandLine({"import", "--mode", "word", "--help"});
  ASSERT_TRUE(parsed.invocation);
  EXPECT_EQ(parsed.invocation->command, Command::Help);
}

}  // namespace
}  // namespace tk::cli
