#pragma once
// What tomekit-cli itself says, beside the conversions' own messages: why a
// command line was refused, and an error no conversion caught. The usage and
// the help are in CommandLine.cpp's UsageText and HelpText. None of these is
// kept from an older program; the conversions' texts are, and come from the
// layers that report them.
#include "platform/PalmCharset.h"

#include <string>
#include <string_view>

namespace tk::cli {

// Before a refused command line's reason and an uncaught error, so that a
// script's log tells whose line it is.
inline constexpr char kProgramLead[] = "tomekit-cli: ";
inline constexpr char kUnexpectedError[] = "unexpected error";

inline constexpr char kNoCommand[] = "no command given";
inline constexpr char kNoFile[] = "no file given";
inline constexpr char kModeMissing[] = "--mode needs a mode";
inline constexpr char kCharsetMissing[] = "--charset needs a character set";
inline constexpr char kPalmCharsetMissing[] = "--palm-charset needs a character set";
inline constexpr char kFormatMissing[] = "--format needs tab or tagged";
inline constexpr char kZipMissing[] = "--zip needs the zip file to write";
inline constexpr char kZipOnlyImports[] = "--zip is for import: it zips the databases written";

inline std::string UnknownText(std::string_view what, std::string_view given) {
  return "unknown " + std::string(what) + " '" + std::string(given) + "'";
}
inline std::string UnknownCommandText(std::string_view given) {
  return UnknownText("command", given);
}
inline std::string UnknownModeText(std::string_view given) { return UnknownText("mode", given); }
inline std::string UnknownCharsetText(std::string_view given) {
  return UnknownText("character set", given);
}
// The names to choose from follow, as nobody guesses "shift_jis".
inline std::string UnknownPalmCharsetText(std::string_view given) {
  return UnknownText("handheld character set", given) + " (one of " + PalmCharsetNames() + ")";
}
inline std::string UnknownFormatText(std::string_view given) {
  return UnknownText("export format", given);
}
inline std::string UnknownOptionText(std::string_view given) {
  return UnknownText("option", given);
}

// After the databases, the zip that holds them.
inline std::string ZipWrittenText(std::string_view zip) {
  return std::string(zip) + " holds the databases written, for an emulator's Install file";
}
inline std::string NoZipText(std::string_view zip) {
  return "No database was written, so " + std::string(zip) + " was not written.";
}

// A mode whose fields could not be read nor made from its default.
inline std::string NoFieldsText(std::string_view strategyPath) {
  return "The mode's fields could not be set up from " + std::string(strategyPath) +
         ", so nothing was converted.";
}

}  // namespace tk::cli
