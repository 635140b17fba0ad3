#pragma once
// tomekit-cli's command line:
//   tomekit-cli import [--mode M] [--charset C] FILE...
//   tomekit-cli export [--mode M] [--charset C] FILE...
//   tomekit-cli --help
#include "platform/Charset.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tk::cli {

enum class Command { Import, Export, Help };

struct Invocation {
  Command command = Command::Help;
  std::optional<std::int32_t> mode;  // none: the saved mode
  std::optional<Charset> charset;    // none: the mode's saved character set
  std::vector<std::string> files;
};

struct ParsedCommandLine {
  std::optional<Invocation> invocation;
  std::string error;  // why the command line is unusable, when no invocation
};

// args without the program name.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// "endnote", "refman", "procite", "procite-generic" (any letter case).
std::optional<std::int32_t> ModeFromName(const std::string& name);

const char* UsageText();
const char* HelpText();

}  // namespace tk::cli
