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
  if (!SaveDiagnosticLog(state)) throw OperationError("Unable to write to " + LogFilePath(state));
  WriteSettings(state);
}

bool SaveDiagnosticLog(AppState& state) {
  state.log(" ");
  state.log("Program location:  " + state.programFolder);
  return WriteTextLines(LogFilePath(state), state.memoLog);
}

std::string LogFilePath(const AppState& state) { return JoinPath(state.programFolder, "Log.txt"); }

}  // namespace tk
