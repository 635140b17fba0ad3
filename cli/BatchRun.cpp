#include "cli/BatchRun.h"

#include "cli/CliTexts.h"
#include "cli/ConsoleUi.h"
#include "export/ExportDriver.h"
#include "fields/FieldsTexts.h"
#include "fields/Lifecycle.h"
#include "fields/ModeSetup.h"
#include "fields/PalmFolders.h"
#include "fields/WorkFolderClaim.h"
#include "import/ImportDriver.h"
#include "platform/Utf8Path.h"

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

void SaveLog(BatchSession& session, std::ostream& err) {
  if (!SaveDiagnosticLog(session.log, session.settings)) {
    err << UnableToWriteText(LogFilePath(session.settings.dataFolder)) << '\n';
  }
}

}  // namespace

bool PrepareMode(BatchSession& session, Ui& ui, std::optional<Mode> mode) {
  Settings& settings = session.settings;
  ReadSettings(settings);
  if (const std::string problem = SettingsFileProblem(settings); !problem.empty()) {
    ui.showMessage(MessageKind::Error, problem);
  }
  if (mode && *mode != settings.mode) {
    settings.mode = *mode;
    settings.importExportFolder = ReadModeFolder(settings, *mode);
    settings.charset = ReadModeCharset(settings, *mode);
    settings.exportFormat = ReadModeExportFormat(settings, *mode);
  }
  session.setup.resetPopupLists();
  const ModeResult result = LoadModeStrategy(session.setup, settings.dataFolder, settings.mode, ui,
                                             DefaultStrategyWrite::OnlyWhenMissing);
  if (result.status == ModeLoad::Abandoned) ui.showMessage(MessageKind::Error, result.error);
  if (!result.loaded()) return false;
  MakeWorkFolders(settings.dataFolder);
  return true;
}

int RunConversions(BatchSession& session, Ui& ui, const Invocation& invocation, std::ostream& out) {
  int status = kAllConverted;
  auto report = [&](const FileOutcome& done) {
    if (done.converted) {
      out << done.statusText << '\n' << std::flush;
    } else if (!done.statusText.empty()) {
      ui.showMessage(MessageKind::Error, done.statusText);
    }
    if (!done.converted && status == kAllConverted) status = kSomeFailed;
    if (done.stopped) status = kStopped;
  };
  const auto files = FullPaths(invocation.files);
  session.statusText =
      invocation.command == Command::Import
          ? ImportChosenFiles(session.settings, session.setup, session.log, ui, files, report)
          : ExportChosenFiles(session.settings, session.setup, session.log, ui, files, report);
  return status;
}

int RunBatch(const std::vector<std::string>& args, const std::string& dataFolder,
             const std::string& programFolder, std::ostream& out, std::ostream& err) {
  const ParsedCommandLine parsed = ParseCommandLine(args);
  if (!parsed.invocation) {
    err << kProgramLead << parsed.error << '\n' << UsageText();
    return kUsageError;
  }
  if (parsed.invocation->command == Command::Help) {
    out << HelpText();
    return kAllConverted;
  }
  // The window's settings file, whatever this program is called.
  BatchSession session;
  session.settings = MakeSettings(dataFolder, "tomekit");
  session.settings.programFolder = programFolder;
  ConsoleUi ui(err);
  // Held to the end of the command, the log included: Log.txt is shared too.
  const WorkFolderClaim claim(dataFolder, FullPaths(parsed.invocation->files));
  if (claim.refused()) {
    ui.showMessage(MessageKind::Error, claim.refusalText());
    return kSomeFailed;
  }
  if (!PrepareMode(session, ui, parsed.invocation->mode)) return kSomeFailed;
  if (parsed.invocation->charset) session.settings.charset = *parsed.invocation->charset;
  if (parsed.invocation->format) session.settings.exportFormat = *parsed.invocation->format;
  const int status = RunConversions(session, ui, *parsed.invocation, out);
  SaveLog(session, err);
  return status;
}

}  // namespace tk::cli
