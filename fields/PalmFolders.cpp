#include "fields/PalmFolders.h"

#include "fields/FieldsTexts.h"
#include "platform/Files.h"
#include "platform/Path.h"

namespace tk {
namespace {

std::string InstallValueName(const Settings& settings) {
  return "Install" + settings.hotSyncUserId;
}

}  // namespace

std::string WorkFolder(std::string_view programFolder) { return JoinPath(programFolder, "TKWork"); }

std::string ImportExportFolder(std::string_view programFolder) {
  return JoinPath(programFolder, "Import and Export");
}

bool MakeWorkFolders(std::string_view programFolder) {
  bool made = true;
  for (const std::string& folder : {WorkFolder(programFolder), ImportExportFolder(programFolder)}) {
    made = (FolderExists(folder) || CreateFolders(folder)) && made;
  }
  return made;
}

InstallStoreResult RequestHotSyncInstall(const Settings& settings, InstallRequestStore& store) {
  return store.setValue(kHotSyncKeyPath, InstallValueName(settings), 1);
}

std::string InstallRequestMessage(const Settings& settings, InstallStoreResult result) {
  switch (result) {
    case InstallStoreResult::KeyNotOpened:
      return kInstallKeyNotOpened;
    case InstallStoreResult::ValueNotSet:
      return InstallValueNotSetText(InstallValueName(settings));
    case InstallStoreResult::Ok:
      break;
  }
  return {};
}

}  // namespace tk
