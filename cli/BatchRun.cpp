#include "cli/BatchRun.h"

#include "cli/CliTexts.h"
#include "cli/CommandLine.h"
#include "cli/ConsoleUi.h"
#include "converter/ConverterTexts.h"
#include "fields/FieldsTexts.h"
#include "platform/Utf8Path.h"
#include "session/Session.h"
#include "session/SessionTexts.h"

#include <algorithm>
#include <filesystem>

namespace tk::cli {
namespace {

// The dialogs hand over full paths; names are derived from them.
std::vector<std::string> FullPaths(const std::vector<std::string>& files) {
  std::vector<std::string> full;
  for (const auto& file : files) {
    std::error_code ec;
    auto path = std::filesystem::absolute(std::filesystem::u8path(file), ec);
    full.push_back(ec ? file : Utf8FromPath(path.lexically_normal()));
  }
  return full;
}

// Sets up the mode (the saved one unless the command names one) without
// writing the settings: the saved mode stays. False when the mode can't be
// used.
bool PrepareMode(Session& session, Ui& ui, const Invocation& invocation) {
  const ModeResult result = session.start(ui, invocation.mode);
  if (result.status == ModeLoad::Abandoned) ShowError(ui, result.error);
  if (result.status == ModeLoad::NoStrategy) {
    ShowError(ui, NoFieldsText(session.fieldSetup().strategyPath));
  }
  if (!result.loaded()) return false;
  if (invocation.charset) session.settings().charset = *invocation.charset;
  if (invocation.palmCharset) session.settings().palmCharset = *invocation.palmCharset;
  if (invocation.format) session.settings().exportFormat = *invocation.format;
  return true;
}

// Each converted file's line to out as it finishes, the others' messages to
// the Ui's stream. The exit status.
int RunConversions(Session& session, Ui& ui, const Invocation& invocation,
                   const std::vector<std::string>& files, std::ostream& out) {
  int status = kAllConverted;
  auto report = [&](const FileOutcome& done) {
    if (done.converted) {
      out << ConvertedLine(done) << '\n' << std::flush;
    } else if (!done.statusText.empty()) {
      ui.showMessage(MessageKind::Error, done.statusText);
    }
    if (!done.converted && status == kAllConverted) status = kSomeFailed;
    if (done.stopped) status = kStopped;
  };
  const Direction direction =
      invocation.command == Command::Import ? Direction::Import : Direction::Export;
  session.beginChoice();
  (void)session.convert(direction, files, ui, report);
  return status;
}

// The zip after the databases it holds; a run that wrote none writes no zip.
int ZipDatabases(const Session& session, const std::string& zip, int status, std::ostream& out,
                 std::ostream& err) {
  const auto& files = session.choiceOutcomes();
  if (std::none_of(files.begin(), files.end(), [](const FileOutcome& f) { return f.converted; })) {
    err << NoZipText(zip) << '\n';
    return status == kAllConverted ? kSomeFailed : status;
  }
  if (const std::string refused = session.zipDatabases(zip); !refused.empty()) {
    err << refused << '\n';
    return status == kAllConverted ? kSomeFailed : status;
  }
  out << ZipWrittenText(zip) << '\n';
  return status;
}

// A command refused before its first file still answers for each file.
int NoneConverted(Ui& ui, const std::vector<std::string>& files) {
  for (const std::string& file : files) ShowError(ui, FileNotConvertedText(file));
  return kSomeFailed;
}

}  // namespace

int RunBatch(const std::vector<std::string>& args, const std::string& dataFolder,
             const std::string& programFolder, std::ostream& out, std::ostream& err) {
  const ParsedCommandLine parsed = ParseCommandLine(args);
  if (!parsed.invocation) {
    err << kProgramLead << parsed.error << '\n' << UsageText();
    return kUsageError;
  }
  const Invocation& invocation = *parsed.invocation;
  if (invocation.command == Command::Help) {
    out << HelpText();
    return kAllConverted;
  }
  Session session(FrontEnd::CommandLine, dataFolder, programFolder);
  ConsoleUi ui(err);
  const std::vector<std::string> files = FullPaths(invocation.files);
  // Held to the end of the command, the log included: Log.txt is shared too.
  if (!session.holdWorkFolder(files, ui)) return NoneConverted(ui, files);
  if (!PrepareMode(session, ui, invocation)) return NoneConverted(ui, files);
  int status = RunConversions(session, ui, invocation, files, out);
  if (invocation.zip && status != kStopped) {
    status = ZipDatabases(session, FullPaths({*invocation.zip}).front(), status, out, err);
  }
  if (!session.saveLog()) err << UnableToWriteText(LogFilePath(dataFolder)) << '\n';
  return status;
}

}  // namespace tk::cli
