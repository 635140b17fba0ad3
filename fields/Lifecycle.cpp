#include "fields/Lifecycle.h"

#include "fields/FieldOps.h"
#include "fields/ModeSetup.h"
#include "fields/Settings.h"
#include "fields/StrategyFile.h"
#include "platform/Files.h"
#include "platform/OperationError.h"
#include "platform/Path.h"

namespace tk {

void StartUp(AppState& state, Ui& ui) {
  ReadSettings(state);
  SetupMode(state, ui, state.convMode);
}

void ShutDown(AppState& state, Ui& ui) {
  (void)ui;
  ReadFieldPanel(state);
  WriteStrategyFile(state, state.strategyPath);
  state.log(" ");
  state.log("Program location:  " + state.programFolder);
  const std::string logPath = LogFilePath(state);
  if (!WriteTextLines(logPath, state.memoLog)) {
    throw OperationError("Unable to write to " + logPath);
  }
  WriteSettings(state);
}

std::string LogFilePath(const AppState& state) { return JoinPath(state.programFolder, "Log.txt"); }

}  // namespace tk
