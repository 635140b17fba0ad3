#pragma once
// The program's command line and its contract with Tomekit:
//   jconv5 1 INPUT OUTPUT NAME IFO      CSV + IFO to a JFile 5 database
//   jconv5 2 INPUT OUTPUT " " IFO       JFile database to CSV (IFO unused;
//                                        the blank item may be absent)
// Either may start with --line-break=XX: the hex byte that stands for a line
// break inside the CSV's values, 85 unless given.
// Success: OUTPUT written whole, exit 0, no log. Failure: OUTPUT untouched,
// the log jconv5.err in OUTPUT's folder, exit 1. Bad command line: usage on
// the message stream, exit 2.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace jconv5 {

enum ExitCode { kExitSuccess = 0, kExitFailed = 1, kExitUsage = 2 };

extern const char* const kUsage;
inline constexpr const char* kErrorLogName = "jconv5.err";

struct Command {
  int direction = 0;  // 1 CSV to PDB, 2 PDB to CSV
  std::string input;
  std::string output;
  std::string name;  // direction 1, enclosing double quotes stripped
  std::string ifo;
  char lineBreak = static_cast<char>(0x85);
};

// args: the items after the program name. A name split into several items by
// a caller that doesn't quote is joined again with blanks.
std::optional<Command> ParseCommandLine(std::vector<std::string> args);

// The log's path: jconv5.err in the folder of output.
std::string ErrorLogPath(const std::string& output);

// Runs one conversion; messages gets the usage or the failure too. now: the
// database's creation date, seconds since 1904.
int RunCommand(const Command& command, std::uint32_t now, std::ostream& messages);
// nameToPalm: how a name that arrives as text, not as its bytes, becomes
// the Palm Latin bytes the database holds; none where it arrives as bytes.
int RunJconv5(const std::vector<std::string>& args, std::ostream& messages,
              std::string (*nameToPalm)(const std::string&) = nullptr);

}  // namespace jconv5
