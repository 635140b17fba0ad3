#include "cli/CommandLine.h"

#include <gtest/gtest.h>

namespace tk::cli {
namespace {

// The parse in one line: command, mode (0..3, or "saved"), [files]; or why not.
std::string Parse(const std::vector<std::string>& args) {
  const ParsedCommandLine parsed = ParseCommandLine(args);
  if (!parsed.invocation) return "error: " + parsed.error;
  const Invocation& call = *parsed.invocation;
  std::string text = std::vector{"import", "export", "help"}[static_cast<int>(call.command)];
  text += call.mode ? " " + std::to_string(ModeNumber(*call.mode)) : " saved";
  if (call.charset) text += " " + std::string(CharsetName(*call.charset));
  if (call.format) text += " " + std::string(ExportFormatName(*call.format));
  if (call.palmCharset) text += " palm " + std::string(PalmCharsetName(*call.palmCharset));
  if (call.zip) text += " zip " + *call.zip;
  for (const std::string& file : call.files) text += " [" + file + "]";
  return text;
}

TEST(command_line_test, commands_modes_files_help_and_why_a_line_is_unusable) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"import", "--mode", "refman", "b.txt", "a.txt"}, "import 1 [b.txt] [a.txt]"},
      {{"export", "x.PDB", "--mode=PROCITE-Generic", "--charset=windows-1252"},
       "export 3 windows-1252 [x.PDB]"},
      {{"import", "--mode", "EndNote", "--charset", "UTF-8", "a"}, "import 0 utf-8 [a]"},
      {{"import", "--charset=auto", "--mode=procite", "a"}, "import 2 auto [a]"},
      {{"import", "-"}, "import saved [-]"},
      {{"export", "--", "--odd name.PDB", "-"}, "export saved [--odd name.PDB] [-]"},
      {{"import", "--mode", "word", "-h"}, "help saved"},
      {{}, "error: no command given"},
      {{"convert", "a"}, "error: unknown command 'convert'"},
      {{"import", "--mode"}, "error: --mode needs a mode"},
      {{"import", "--mode", "generic", "a"}, "error: unknown mode 'generic'"},
      {{"export", "-x", "a"}, "error: unknown option '-x'"},
      {{"import", "a", "--charset"}, "error: --charset needs a character set"},
      {{"import", "--charset", "latin1", "a"}, "error: unknown character set 'latin1'"},
      {{"export", "--format=Tagged", "x.PDB"}, "export saved tagged [x.PDB]"},
      {{"export", "--format", "tab", "x.PDB"}, "export saved tab [x.PDB]"},
      {{"export", "x.PDB", "--format"}, "error: --format needs tab or tagged"},
      {{"export", "--format", "ris", "x.PDB"}, "error: unknown export format 'ris'"},
      {{"import", "--palm-charset", "Shift_JIS", "a"}, "import saved palm shift_jis [a]"},
      {{"export", "--palm-charset=koi8-r", "x.PDB"}, "export saved palm koi8-r [x.PDB]"},
      {{"import", "a", "--palm-charset"}, "error: --palm-charset needs a character set"},
      {{"import", "--zip", "emu.zip", "a"}, "import saved zip emu.zip [a]"},
      {{"import", "a", "--zip="}, "error: --zip needs the zip file to write"},
      {{"export", "--zip=emu.zip", "x.PDB"},
       "error: --zip is for import: it zips the databases written"},
      {{"import", "--palm-charset", "utf-8", "a"},
       "error: unknown handheld character set 'utf-8' (one of windows-1252, windows-1250, "
       "windows-1251, windows-1253, windows-1254, windows-1257, koi8-r, shift_jis, gbk, big5, "
       "euc-kr)"},
  };
  for (const auto& [args, parsed] : cases) EXPECT_EQ(Parse(args), parsed);
}

}  // namespace
}  // namespace tk::cli
