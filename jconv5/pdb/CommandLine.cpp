#include "jconv5/pdb/CommandLine.h"

#include "jconv5/pdb/Convert.h"
#include "jconv5/pdb/Failure.h"
#include "jconv5/pdb/FileIo.h"
#include "jconv5/pdb/Messages.h"
#include "jconv5/pdb/PdbContainer.h"

#include <cstdio>
#include <filesystem>
#include <new>
#include <ostream>
#include <string_view>

namespace jconv5 {

const char* const kUsage =
    "usage: jconv5 [--line-break=XX] 1 INPUT.csv OUTPUT.pdb NAME DESCRIPTION.ifo\n"
    "           (CSV + IFO to a JFile 5 database)\n"
    "       jconv5 [--line-break=XX] 2 INPUT.pdb OUTPUT.csv \" \" DESCRIPTION.ifo\n"
    "           (JFile 4 or 5 database to CSV)\n"
    "XX: the hex byte that stands for a line break inside CSV values (85 unless given).\n"
    "On failure nothing is written to OUTPUT and jconv5.err in OUTPUT's folder says why.\n";

namespace {

bool IsBlank(const std::string& item) { return item.find_first_not_of(" \t") == std::string::npos; }

std::string WithoutQuotes(std::string name) {
  if (name.size() >= 2 && name.front() == '"' && name.back() == '"')
    return name.substr(1, name.size() - 2);
  return name;
}

std::string Joined(const std::vector<std::string>& items, std::size_t from, std::size_t to) {
  std::string out;
  for (std::size_t i = from; i < to; ++i) out += (i > from ? " " : "") + items[i];
  return out;
}

std::string Sentence(std::string text) {
  if (!text.empty() && text.back() != '.') text += '.';
  return text;
}

void WriteLog(const Command& command, const std::string& problem, std::ostream& messages) {
  std::string log;
  auto line = [&log](const std::string& text) { log += text + "\r\n"; };
  if (command.direction == 1) {
    line(kNotBuiltLine);
    line("CSV file: " + command.input);
    line("IFO file: " + command.ifo);
  } else {
    line(kNotExtractedLine);
    line("PDB file: " + command.input);
  }
  line(ProblemLine(Sentence(problem)));
  line(NothingWrittenLine(command.output));
  messages << log;
  try {
    WriteWholeFile(ErrorLogPath(command.output), log);
  } catch (const Failure& failure) {
    messages << LogNotWrittenText(failure.text()) << "\n";
  }
}

void Convert(const Command& command, std::uint32_t now) {
  if (command.direction == 1) {
    std::string csv = ReadWholeFile(command.input, "CSV file");
    std::string ifo = ReadWholeFile(command.ifo, "IFO file");
    WriteWholeFile(command.output, BuildDatabase(csv, ifo, command.name, now, command.lineBreak));
  } else {
    WriteWholeFile(command.output,
                   ExtractCsv(ReadWholeFile(command.input, "PDB file"), command.lineBreak));
  }
}

}  // namespace

namespace {

// "--line-break=XX" with two hex digits.
std::optional<char> LineBreakOption(const std::string& item) {
  constexpr std::string_view kOption = "--line-break=";
  if (item.size() != kOption.size() + 2 || item.rfind(kOption, 0) != 0) return std::nullopt;
  const std::string digits = item.substr(kOption.size());
  if (digits.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos) return std::nullopt;
  return static_cast<char>(std::stoi(digits, nullptr, 16));
}

}  // namespace

std::optional<Command> ParseCommandLine(std::vector<std::string> args) {
  Command command;
  if (!args.empty() && args[0].rfind("--", 0) == 0) {
    const std::optional<char> lineBreak = LineBreakOption(args[0]);
    if (!lineBreak) return std::nullopt;
    command.lineBreak = *lineBreak;
    args.erase(args.begin());
  }
  if (args.size() >= 5 && args[0] == "1") {
    command.direction = 1;
    command.name = WithoutQuotes(Joined(args, 3, args.size() - 1));
  } else if ((args.size() == 4 || (args.size() == 5 && IsBlank(args[3]))) && args[0] == "2") {
    command.direction = 2;
  } else {
    return std::nullopt;
  }
  command.input = args[1];
  command.output = args[2];
  command.ifo = args.back();
  if (command.input.empty() || command.output.empty()) return std::nullopt;
  return command;
}

std::string ErrorLogPath(const std::string& output) { return FolderOf(output) + kErrorLogName; }

int RunCommand(const Command& command, std::uint32_t now, std::ostream& messages) {
  std::error_code ec;
  std::filesystem::remove(std::filesystem::u8path(ErrorLogPath(command.output)),
                          ec);  // a stale log would read as failure
  try {
    Convert(command, now);
    return kExitSuccess;
  } catch (const Failure& failure) {
    WriteLog(command, failure.text(), messages);
  } catch (const std::bad_alloc&) {
    WriteLog(command, kNoMemory, messages);
  } catch (const std::exception& error) {
    WriteLog(command, std::string("unexpected error: ") + error.what(), messages);
  }
  return kExitFailed;
}

int RunJconv5(const std::vector<std::string>& args, std::ostream& messages,
              std::string (*nameToPalm)(const std::string&)) {
  std::optional<Command> command = ParseCommandLine(args);
  if (!command) {
    messages << kUsage;
    return kExitUsage;
  }
  if (nameToPalm != nullptr) command->name = nameToPalm(command->name);
  return RunCommand(*command, PalmTimeNow(), messages);
}

}  // namespace jconv5
