#include "fields/PalmFolders.h"

#include "platform/Files.h"
#include "platform/Path.h"

namespace tk {

std::string WorkFolder(const AppState& state) { return JoinPath(state.programFolder, "TKWork"); }

std::string ImportExportFolder(const AppState& state) {
  return JoinPath(state.programFolder, "Import and Export");
}

bool MakeWorkFolders(const AppState& state) {
  for (const std::string& folder : {WorkFolder(state), ImportExportFolder(state)}) {
    if (!FolderExists(folder)) CreateFolders(folder);
  }
  return true;
}

int RequestHotSyncInstall(const AppState& state, Ui& ui) {
  InstallRequestStore store;
  return RequestHotSyncInstall(state, ui, store);
}

int RequestHotSyncInstall(const AppState& state, Ui& ui, InstallRequestStore& store) {
  const std::string valueName = "Install" + state.hotSyncUserId;
  switch (store.setValue(kHotSyncKeyPath, valueName, 1)) {
    case InstallStoreResult::Ok:
      break;
    case InstallStoreResult::KeyNotOpened:
      ui.showMessage(MessageKind::Plain, "Couldn't open key ");
      break;
    case InstallStoreResult::ValueNotSet:
      ui.showMessage(MessageKind::Plain, "Failed to set data for '" + valueName + "'");
      break;
  }
  return 0;
}

}  // namespace tk
