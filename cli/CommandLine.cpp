#include "cli/CommandLine.h"

#include "fields/ProgramModes.h"
#include "platform/Text.h"

#include <algorithm>

namespace tk::cli {
namespace {

struct ModeName {
  const char* name;
  ConvMode mode;
};
constexpr ModeName kModeNames[] = {{"endnote", kModeEndNote},
                                   {"refman", kModeRefMan},
                                   {"procite", kModeProCite},
                                   {"procite-generic", kModeProCiteGeneric}};

ParsedCommandLine Error(std::string message) { return {std::nullopt, std::move(message)}; }

}  // namespace

std::optional<std::int32_t> ModeFromName(const std::string& name) {
  for (const ModeName& known : kModeNames) {
    if (EqualsIgnoreCase(name, known.name)) return known.mode;
  }
  return std::nullopt;
}

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
  if (std::find(args.begin(), args.end(), "--help") != args.end() ||
      std::find(args.begin(), args.end(), "-h") != args.end()) {
    return {Invocation{Command::Help, std::nullopt, {}}, {}};
  }
  if (args.empty()) return Error("no command given");
  Invocation invocation;
  if (args[0] == "import")
    invocation.command = Command::Import;
  else if (args[0] == "export")
    invocation.command = Command::Export;
  else
    return Error("unknown command '" + args[0] + "'");

  bool optionsEnded = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && (arg == "--mode" || arg.rfind("--mode=", 0) == 0)) {
      std::string name;
      if (arg == "--mode") {
        if (++i == args.size()) return Error("--mode needs a mode");
        name = args[i];
      } else {
        name = arg.substr(7);
      }
      invocation.mode = ModeFromName(name);
      if (!invocation.mode) return Error("unknown mode '" + name + "'");
    } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
      return Error("unknown option '" + arg + "'");
    } else {
      invocation.files.push_back(arg);
    }
  }
  if (invocation.files.empty()) return Error("no file given");
  return {invocation, {}};
}

const char* UsageText() {
  return "usage: tomekit-cli import [--mode M] FILE...\n"
         "       tomekit-cli export [--mode M] FILE...\n"
         "       tomekit-cli --help\n";
}

const char* HelpText() {
  return "tomekit-cli: Tomekit's conversions without the window.\n"
         "\n"
         "  tomekit-cli import [--mode M] FILE...\n"
         "      Turns reference-manager export files into JFile databases (PDB) in\n"
         "      the Palm install folder, exactly as the import button does, and asks\n"
         "      HotSync to install them at the next HotSync.\n"
         "\n"
         "  tomekit-cli export [--mode M] FILE...\n"
         "      Turns JFile databases (PDB) into files the reference manager imports\n"
         "      (.tsv for EndNote and ProCite, .RIS for Reference Manager) in the\n"
         "      mode's import/export folder, exactly as the export button does.\n"
         "\n"
         "Files are converted in the order given. M is one of endnote, refman,\n"
         "procite, procite-generic; without --mode the mode saved by Tomekit is used.\n"
         "--mode does not change the saved mode.\n"
         "\n"
         "Settings (tomekit.INI), field choices (stratEN.jfp and siblings) and the\n"
         "work folder TKWork are those of the program folder, shared with the\n"
         "window. A missing field-choice file is written with the mode's defaults;\n"
         "existing ones are never changed.\n"
         "\n"
         "Each converted file's result goes to standard output; messages, and\n"
         "the result of a file that did not convert, to standard error. Ctrl-C\n"
         "stops the conversion in progress and cleans up after it.\n"
         "Exit status: 0 when every file converted, 1 when any failed, 2 for a\n"
         "usage error, 130 when stopped.\n";
}

}  // namespace tk::cli
