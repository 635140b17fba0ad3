#include "session/Session.h"

#include "export/ExportDriver.h"
#include "fields/FieldsTexts.h"
#include "fields/PalmFolders.h"
#include "fields/ProgramModes.h"
#include "fields/StrategyFile.h"
#include "import/DatabaseZip.h"
#include "import/ImportDriver.h"
#include "session/LastFolders.h"
#include "session/SessionTexts.h"

#include <algorithm>
#include <utility>

namespace tk {

int ConversionSummary::converted() const {
  return static_cast<int>(std::count_if(files.begin(), files.end(),
                                        [](const FileOutcome& done) { return done.converted; }));
}

bool ConversionSummary::stopped() const {
  return std::any_of(files.begin(), files.end(),
                     [](const FileOutcome& done) { return done.stopped; });
}

namespace {

// Set for as long as it lives, so no way out of a conversion leaves it set.
class RaisedFlag {
public:
  explicit RaisedFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~RaisedFlag() { flag_ = false; }
  RaisedFlag(const RaisedFlag&) = delete;
  RaisedFlag& operator=(const RaisedFlag&) = delete;

private:
  bool& flag_;
};

}  // namespace

// The front end's Ui as a conversion of this session sees it: the session's
// stop request counts beside the front end's own, "replace all" holds for
// the rest of the choice, and the window's first question of a choice
// before a database is replaced says what that does to the handheld's copy.
class Session::RunUi : public Ui {
public:
  RunUi(Session& session, Ui& shown, Direction direction)
      : session_(session), shown_(shown), direction_(direction) {}

  void showMessage(MessageKind kind, const std::string& text) override {
    shown_.showMessage(kind, text);
  }
  void showProgress(const ProgressSetup& setup) override { shown_.showProgress(setup); }
  void hideProgress() override { shown_.hideProgress(); }
  void setBanner(Banner banner) override { shown_.setBanner(banner); }
  void progressStep(int n) override { shown_.progressStep(n); }
  void setRecordCounter(long record) override { shown_.setRecordCounter(record); }
  void processMessages() override {
    shown_.processMessages();
    session_.flushLog();
  }
  void showErrorReport(const std::vector<std::string>& lines) override {
    shown_.showErrorReport(lines);
  }
  ReplaceAnswer askToReplace(const std::string& path, const std::string& warning) override {
    if (session_.replaceAll_) return ReplaceAnswer::Replace;
    const ReplaceAnswer answer = shown_.askToReplace(path, withHandheldWarning(path, warning));
    if (answer == ReplaceAnswer::ReplaceAll) session_.replaceAll_ = true;
    return answer;
  }
  void setBusy(bool busy) override { shown_.setBusy(busy); }
  bool stopRequested() const override { return session_.stopRequested_ || shown_.stopRequested(); }

private:
  // A database there was installed before, so the handheld holds it and
  // perhaps edits made since; the sync that installs this one replaces it.
  std::string withHandheldWarning(const std::string& path, const std::string& warning) {
    if (direction_ != Direction::Import || session_.frontEnd_ != FrontEnd::Window ||
        std::exchange(session_.handheldWarned_, true)) {
      return warning;
    }
    const std::string edits =
        HandheldEditsReplacedText(path, InfoOf(session_.settings_.mode).exportCaption);
    return warning.empty() ? edits : warning + "\n" + edits;
  }

  Session& session_;
  Ui& shown_;
  Direction direction_;
};

Session::Session(FrontEnd frontEnd, const std::string& dataFolder, const std::string& programFolder,
                 const std::string& startLine)
    : frontEnd_(frontEnd), settings_(MakeSettings(dataFolder)) {
  settings_.programFolder = programFolder;
  if (frontEnd_ == FrontEnd::Window) {
    sessionLog_.emplace(LogFilePath(settings_.dataFolder), log_, startLine);
  }
}

Session::~Session() = default;

ModeResult Session::start(Ui& ui, std::optional<Mode> oneRunMode) {
  if (frontEnd_ == FrontEnd::Window) return StartUp(settings_, setup_, ui);
  if (const std::string unused = ReadSettings(settings_); !unused.empty()) ShowError(ui, unused);
  if (const std::string problem = SettingsFileProblem(settings_); !problem.empty()) {
    ShowError(ui, problem);
  }
  if (oneRunMode && *oneRunMode != settings_.mode) {
    settings_.mode = *oneRunMode;
    settings_.importExportFolder = ReadModeFolder(settings_, *oneRunMode);
    settings_.charset = ReadModeCharset(settings_, *oneRunMode);
    settings_.palmCharset = ReadModePalmCharset(settings_, *oneRunMode);
    settings_.exportFormat = ReadModeExportFormat(settings_, *oneRunMode);
  }
  setup_.resetPopupLists();
  const ModeResult result = LoadModeStrategy(setup_, settings_.dataFolder, settings_.mode, ui,
                                             DefaultStrategyWrite::OnlyWhenMissing);
  if (result.loaded()) MakeWorkFolders(settings_.dataFolder);
  return result;
}

ModeResult Session::switchMode(Mode mode, Ui& ui) { return SetupMode(settings_, setup_, ui, mode); }

bool Session::saveStrategy(Ui& ui) {
  if (!setup_.loaded || WriteStrategyFile(setup_, setup_.strategyPath)) return true;
  ShowError(ui, UnableToWriteText(setup_.strategyPath));
  return false;
}

ShutDownResult Session::close() {
  ShutDownResult result = ShutDown(settings_, setup_, log_);
  if (sessionLog_) sessionLog_->markSaved();
  return result;
}

bool Session::saveLog() { return SaveDiagnosticLog(log_, settings_); }

void Session::flushLog() {
  if (sessionLog_) (void)sessionLog_->flush();
}

FileDialogSetup Session::fileDialog(Direction direction) const {
  const Mode mode = settings_.mode;
  if (direction == Direction::Import) {
    return {ImportDialogFilter(mode),
            LastFolderOr(settings_, mode, direction, settings_.importExportFolder)};
  }
  return {ExportDialogFilter(mode),
          LastFolderOr(settings_, mode, direction, settings_.palmBackupFolder)};
}

void Session::rememberFolderOf(Direction direction, const std::string& chosenFile) {
  // Only where the next dialog opens; a settings file that can't be written
  // is reported when the settings themselves are saved.
  (void)WriteLastFolder(settings_, settings_.mode, direction, chosenFile);
}

bool Session::holdWorkFolder(const std::vector<std::string>& chosen, Ui& ui) {
  heldClaim_ = std::make_unique<WorkFolderClaim>(settings_.dataFolder, chosen);
  if (!heldClaim_->refused()) return true;
  ShowError(ui, heldClaim_->refusalText());
  heldClaim_.reset();
  return false;
}

void Session::beginChoice() {
  stopRequested_ = false;
  replaceAll_ = false;
  handheldWarned_ = false;
  status_.clear();
  installCommand_.clear();
  choiceOutcomes_.clear();
  choiceDatabases_.clear();
}

ConversionSummary Session::convert(Direction direction, const std::vector<std::string>& files,
                                   Ui& ui, const FileDone& onDone) {
  // A cancelled choice claims nothing, so the last conversion's work files stay.
  if (busy_ || files.empty()) return {.refused = busy_, .files = {}};
  if (heldClaim_) return convertClaimed(direction, files, ui, onDone);
  const WorkFolderClaim claim(settings_.dataFolder, files);
  if (claim.refused()) {
    ShowError(ui, claim.refusalText());
    return {.refused = true, .files = {}};
  }
  return convertClaimed(direction, files, ui, onDone);
}

std::string Session::zipDatabases(const std::string& zipPath) const {
  return WriteDatabaseZip(zipPath, choiceDatabases_, settings_.palmCharset);
}

ConversionSummary Session::convertClaimed(Direction direction,
                                          const std::vector<std::string>& files, Ui& ui,
                                          const FileDone& onDone) {
  const Settings settings = settings_;
  RunUi runUi(*this, ui, direction);
  ConversionSummary summary;
  const FileDone done = [&](const FileOutcome& outcome) {
    summary.files.push_back(outcome);
    choiceOutcomes_.push_back(outcome);
    status_ = StatusLine(outcome);
    if (outcome.converted) installCommand_ = outcome.installCommand;
    // A drop may export some files of the choice: their outputs are no databases.
    if (outcome.converted && direction == Direction::Import) {
      choiceDatabases_.push_back(outcome.output);
    }
    if (onDone) onDone(outcome);
  };
  {
    const RaisedFlag running(busy_);
    const BusyScope busy(runUi);
    if (direction == Direction::Import) {
      (void)ImportChosenFiles(settings, setup_, log_, runUi, files, done);
    } else {
      (void)ExportChosenFiles(settings, setup_, log_, runUi, files, done);
    }
  }
  flushLog();
  return summary;
}

}  // namespace tk
