#pragma once
// One session of a front end, the window's or a tomekit-cli run's: it owns
// the settings, the field setup of the mode in force, the diagnostic log,
// the status and whether a conversion runs or was asked to stop. The front
// ends show it and pass their Ui in; neither keeps a copy of this state.
//
// A conversion works on a copy of the settings taken when it starts, so
// nothing the user changes while it runs reaches it: the change applies
// from the next conversion.
#include "converter/Direction.h"
#include "converter/FileOutcome.h"
#include "fields/FieldSetup.h"
#include "fields/Settings.h"
#include "platform/FileDialog.h"
#include "platform/Ui.h"
#include "session/Lifecycle.h"
#include "session/ModeSetup.h"
#include "session/SessionLog.h"
#include "session/WorkFolderClaim.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tk {

// The window keeps what the user changes; a command-line run takes the
// saved settings as they are, and writes a strategy file only where none is.
enum class FrontEnd { Window, CommandLine };

// What one choice of files came to, file by file.
struct ConversionSummary {
  bool refused = false;  // another conversion holds the data folder
  std::vector<FileOutcome> files;
  int converted() const;
  bool stopped() const;
};

class Session {
public:
  // startLine, the session's date and time, begins Log.txt. The window's log
  // is written as the session goes (SessionLog); a command-line run's is
  // saved at its end.
  Session(FrontEnd frontEnd, const std::string& dataFolder, const std::string& programFolder,
          const std::string& startLine = {});
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  Settings& settings() { return settings_; }
  const Settings& settings() const { return settings_; }
  FieldSetup& fieldSetup() { return setup_; }
  const FieldSetup& fieldSetup() const { return setup_; }
  std::vector<std::string>& log() { return log_; }

  // Reads the settings and sets up the saved mode, or for a command-line
  // run oneRunMode when given (saving nothing). A failure the caller shows
  // is in the result.
  ModeResult start(Ui& ui, std::optional<Mode> oneRunMode = {});
  // Sets up mode; the strategy of the mode being left is saveStrategy's.
  ModeResult switchMode(Mode mode, Ui& ui);
  // Saves the mode's strategy (when it was loaded whole); false after
  // telling ui when it can't be written.
  bool saveStrategy(Ui& ui);
  // The window's end: strategy, log and settings saved.
  ShutDownResult close();
  // A command-line run's end: Log.txt written; false when it can't be.
  [[nodiscard]] bool saveLog();
  // Adds the lines logged since the last call to Log.txt, for the window.
  void flushLog();

  // Where the open dialog for a direction starts, with its filter; and the
  // folder of a file chosen there, kept for the next time.
  FileDialogSetup fileDialog(Direction direction) const;
  void rememberFolderOf(Direction direction, const std::string& chosenFile);

  // Holds the data folder's work folder until the session ends, so that a
  // command-line run keeps it from its first file to its log; false, after
  // telling ui, when another conversion holds it.
  bool holdWorkFolder(const std::vector<std::string>& chosen, Ui& ui);

  // A new choice of files: the last one's stop request, status and answers
  // to "replace all" go.
  void beginChoice();
  // Converts files in dialog order on a copy of the settings; onDone hears
  // of each file. Refused while a conversion runs or another run holds the
  // data folder.
  ConversionSummary convert(Direction direction, const std::vector<std::string>& files, Ui& ui,
                            const FileDone& onDone = {});
  // The databases the choice's imports wrote, in order.
  const std::vector<std::string>& choiceDatabases() const { return choiceDatabases_; }
  // Zips them for an emulator (DatabaseZip); the message that says why
  // nothing was written, empty when it was.
  [[nodiscard]] std::string zipDatabases(const std::string& zipPath) const;
  // Every file of the choice so far, for the summary after several files.
  const std::vector<FileOutcome>& choiceOutcomes() const { return choiceOutcomes_; }

  bool busy() const { return busy_; }
  void requestStop() { stopRequested_ = true; }
  bool stopRequested() const { return stopRequested_; }
  // The status bar's text: what became of the last file, and where it went.
  const std::string& status() const { return status_; }
  // The command that copies the last database written to the handheld by
  // hand; empty when none was written or no such command is used here.
  const std::string& installCommand() const { return installCommand_; }

private:
  class RunUi;
  ConversionSummary convertClaimed(Direction direction, const std::vector<std::string>& files,
                                   Ui& ui, const FileDone& onDone);

  FrontEnd frontEnd_;
  Settings settings_;
  FieldSetup setup_;
  std::vector<std::string> log_;
  std::optional<SessionLog> sessionLog_;
  std::unique_ptr<WorkFolderClaim> heldClaim_;
  std::vector<FileOutcome> choiceOutcomes_;
  std::vector<std::string> choiceDatabases_;
  std::string status_;
  std::string installCommand_;
  bool busy_ = false;
  bool stopRequested_ = false;
  bool replaceAll_ = false;
  bool handheldWarned_ = false;  // this choice said what replacing does on the handheld
};

}  // namespace tk
