#include "cli/CommandLine.h"

#include "cli/CliTexts.h"
#include "fields/ProgramModes.h"
#include "platform/Text.h"

#include <algorithm>

namespace tk::cli {
namespace {

ParsedCommandLine Error(std::string message) { return {std::nullopt, std::move(message)}; }

// The value of "--name VALUE" or "--name=VALUE" at args[i], moving i past it;
// nothing when arg is another option or the value is missing.
std::optional<std::string> OptionValue(const std::vector<std::string>& args, std::size_t& i,
                                       const std::string& name) {
  const std::string& arg = args[i];
  if (arg.rfind(name + "=", 0) == 0) return arg.substr(name.size() + 1);
  if (arg != name || i + 1 == args.size()) return std::nullopt;
  return args[++i];
}

}  // namespace

std::optional<Mode> ModeFromName(const std::string& name) {
  for (const Mode mode : kAllModes) {
    if (EqualsIgnoreCase(name, InfoOf(mode).cliName)) return mode;
  }
  return std::nullopt;
}

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
  if (std::find(args.begin(), args.end(), "--help") != args.end() ||
      std::find(args.begin(), args.end(), "-h") != args.end()) {
    Invocation help;
    help.command = Command::Help;
    return {help, {}};
  }
  if (args.empty()) return Error(kNoCommand);
  Invocation invocation;
  if (args[0] == "import")
    invocation.command = Command::Import;
  else if (args[0] == "export")
    invocation.command = Command::Export;
  else
    return Error(UnknownCommandText(args[0]));

  bool optionsEnded = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && (arg == "--mode" || arg.rfind("--mode=", 0) == 0)) {
      std::string name;
      if (arg == "--mode") {
        if (++i == args.size()) return Error(kModeMissing);
        name = args[i];
      } else {
        name = arg.substr(7);
      }
      invocation.mode = ModeFromName(name);
      if (!invocation.mode) return Error(UnknownModeText(name));
    } else if (!optionsEnded && (arg == "--charset" || arg.rfind("--charset=", 0) == 0)) {
      const auto name = OptionValue(args, i, "--charset");
      if (!name) return Error(kCharsetMissing);
      invocation.charset = CharsetFromName(*name);
      if (!invocation.charset) return Error(UnknownCharsetText(*name));
    } else if (!optionsEnded && (arg == "--palm-charset" || arg.rfind("--palm-charset=", 0) == 0)) {
      const auto name = OptionValue(args, i, "--palm-charset");
      if (!name) return Error(kPalmCharsetMissing);
      invocation.palmCharset = PalmCharsetFromName(*name);
      if (!invocation.palmCharset) return Error(UnknownPalmCharsetText(*name));
    } else if (!optionsEnded && (arg == "--format" || arg.rfind("--format=", 0) == 0)) {
      const auto name = OptionValue(args, i, "--format");
      if (!name) return Error(kFormatMissing);
      invocation.format = ExportFormatFromName(*name);
      if (!invocation.format) return Error(UnknownFormatText(*name));
    } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
      return Error(UnknownOptionText(arg));
    } else {
      invocation.files.push_back(arg);
    }
  }
  if (invocation.files.empty()) return Error(kNoFile);
  return {invocation, {}};
}

const char* UsageText() {
  return "usage: tomekit-cli import [--mode M] [--charset C] [--palm-charset P] FILE...\n"
         "       tomekit-cli export [--mode M] [--charset C] [--palm-charset P]\n"
         "                          [--format F] FILE...\n"
         "       tomekit-cli --help\n";
}

const char* HelpText() {
  return "tomekit-cli: Tomekit's conversions without the window.\n"
         "\n"
         "  tomekit-cli import [--mode M] [--charset C] [--palm-charset P] FILE...\n"
         "      Turns reference-manager export files into JFile databases (PDB) in\n"
         "      the Palm install folder, exactly as the import button does, and asks\n"
         "      HotSync to install them at the next HotSync.\n"
         "\n"
         "  tomekit-cli export [--mode M] [--charset C] [--palm-charset P]\n"
         "                          [--format F] FILE...\n"
         "      Turns JFile databases (PDB) into files the reference manager imports\n"
         "      (.tsv for EndNote and ProCite, .RIS for Reference Manager) in the\n"
         "      mode's import/export folder, exactly as the export button does.\n"
         "\n"
         "Files are converted in the order given. M is one of endnote, refman,\n"
         "procite, procite-generic; without --mode the mode saved by Tomekit is used.\n"
         "--mode does not change the saved mode.\n"
         "\n"
         "C is the character set of the reference manager's files: auto, windows-1252\n"
         "or utf-8; without --charset the mode's saved one (auto unless chosen) is\n"
         "used, and --charset does not change it. auto reads a file as UTF-8 when it\n"
         "is valid UTF-8 with a non-ASCII character or starts with a byte-order mark,\n"
         "otherwise as Windows-1252, and writes Windows-1252 (UTF-8 when the handheld's\n"
         "set is another).\n"
         "\n"
         "P is the handheld's character set: windows-1252 (the default), windows-1250,\n"
         "windows-1251, windows-1253, windows-1254, windows-1257, koi8-r, shift_jis,\n"
         "gbk, big5 or euc-kr; without --palm-charset the mode's saved one is used,\n"
         "and --palm-charset does not change it.\n"
         "\n"
         "F is what export writes for EndNote: tab (the tab format of the Tomekit\n"
         "output style) or tagged (EndNote's own \"EndNote Export\", %0 %A %T...);\n"
         "without --format the mode's saved one (tab unless chosen) is used, and\n"
         "--format does not change it. Import reads either, and EndNote's RIS\n"
         "export, telling them apart by their content.\n"
         "\n"
         "Settings (tomekit.INI), field choices (stratEN.jfp and siblings) and the\n"
         "work folder TKWork are shared with the window: beside the program, or in\n"
         "the user's data folder when the program's folder can't be written. A\n"
         "missing field-choice file is written with the mode's defaults; existing\n"
         "ones are never changed. One conversion at a time may use them: a run\n"
         "started while another is converting is refused at once (exit status 1).\n"
         "\n"
         "Each converted file's result goes to standard output; messages, and\n"
         "the result of a file that did not convert, to standard error. Ctrl-C\n"
         "stops the conversion in progress and cleans up after it.\n"
         "Exit status: 0 when every file converted, 1 when any failed, 2 for a\n"
         "usage error, 130 when stopped.\n";
}

}  // namespace tk::cli
