#pragma once
// What the core asks of the window system. The Qt windows implement it, the
// command line prints through it, and tests record it (tests/mock/FakeUi.h).
#include <string>
#include <vector>

namespace tk {

// The three kinds of message box the program shows; each has one OK button.
enum class MessageKind { Error, Information, Plain };

// The five banners of the progress window; one is shown at a time.
enum class Banner {
  ToJFile,          // Panel1: reference manager -> JFile
  FromJFile,        // Panel2: JFile -> reference manager
  WaitingExternal,  // Panel3: "Waiting for External Program"
  MovingFrom,       // Panel4
  MovingTo,         // Panel5
};

// What becomes of an earlier result a conversion is about to replace.
enum class ReplaceAnswer { Replace, ReplaceAll, Keep };

struct ProgressSetup {
  std::string prefix;      // LabelPrefix, e.g. "Working on Record number"
  std::string sourceFile;  // LabelFName
  Banner banner = Banner::ToJFile;
  bool showRecordCounter = true;  // LabelRec visible
  bool showBar = true;            // PanelBar visible
};

class Ui {
public:
  virtual ~Ui() = default;

  virtual void showMessage(MessageKind kind, const std::string& text) = 0;

  // Progress window (never modal).
  virtual void showProgress(const ProgressSetup& setup) = 0;
  virtual void hideProgress() = 0;
  virtual void setBanner(Banner banner) = 0;
  // Bar position := n + 2 while below its maximum of 100; then pump.
  virtual void progressStep(int n) = 0;
  // LabelRec after each record. Must be cheap: called once per record.
  virtual void setRecordCounter(long record) = 0;

  // Handle pending window messages now. May be slow; hot loops go through
  // MessagePump, which calls this only every few tens of milliseconds.
  virtual void processMessages() = 0;

  // The converter's error log, shown modally in the error-report dialog.
  virtual void showErrorReport(const std::vector<std::string>& lines) = 0;

  // Before a result replaces the file at path. warning, when not empty, is
  // why an earlier file of the same choice wrote there. A front end that
  // doesn't ask (scripts expect the file replaced) tells the warning and
  // replaces.
  virtual ReplaceAnswer askToReplace(const std::string& path, const std::string& warning) {
    (void)path;
    if (!warning.empty()) showMessage(MessageKind::Plain, warning);
    return ReplaceAnswer::Replace;
  }

  // The busy cursor, on for the whole of a conversion and off on every path
  // out of it. Windowless front ends have none.
  virtual void setBusy(bool) {}
  // True once the user asked to stop the conversion in progress (the Stop
  // button, Ctrl-C). Asked whenever messages are pumped, so it must be cheap.
  virtual bool stopRequested() const { return false; }
};

// A Ui without a progress window or messages to pump, for the command line
// and the fuzz targets: only message boxes and the error report remain.
class SilentProgressUi : public Ui {
public:
  void showProgress(const ProgressSetup&) override {}
  void hideProgress() override {}
  void setBanner(Banner) override {}
  void progressStep(int) override {}
  void setRecordCounter(long) override {}
  void processMessages() override {}
};

inline void ShowError(Ui& ui, const std::string& text) { ui.showMessage(MessageKind::Error, text); }

// The busy cursor for as long as it lives, so that no way out of a
// conversion (a refusal, an early return, an exception) leaves it on.
class BusyScope {
public:
  explicit BusyScope(Ui& ui) : ui_(ui) { ui_.setBusy(true); }
  ~BusyScope() { ui_.setBusy(false); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

private:
  Ui& ui_;
};

}  // namespace tk
