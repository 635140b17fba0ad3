#pragma once
// tomekit-cli's command line:
//   tomekit-cli import [--mode M] [--charset C] [--palm-charset P] FILE...
//   tomekit-cli export [--mode M] [--charset C] [--palm-charset P] FILE...
//   tomekit-cli --help
#include "fields/ProgramModes.h"
#include "fields/Settings.h"
#include "platform/Charset.h"
#include "platform/PalmCharset.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tk::cli {

enum class Command { Import, Export, Help };

struct Invocation {
  Command command = Command::Help;
  std::optional<Mode> mode;                // none: the saved mode
  std::optional<Charset> charset;          // none: the mode's saved character set
  std::optional<PalmCharset> palmCharset;  // none: the mode's saved handheld set
  std::optional<ExportFormat> format;      // none: the mode's saved export format
  std::vector<std::string> files;
};

struct ParsedCommandLine {
  std::optional<Invocation> invocation;
  std::string error;  // why the command line is unusable, when no invocation
};

// args without the program name.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// The mode whose command-line name this is, in any letter case.
std::optional<Mode> ModeFromName(const std::string& name);

const char* UsageText();
const char* HelpText();

}  // namespace tk::cli
