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

std::string WorkFolder(std::string_view dataFolder) { return JoinPath(dataFolder, "TKWork"); }

std::string ImportExportFolder(std::string_view dataFolder) {
  return JoinPath(dataFolder, "Import and Export");
}

bool MakeWorkFolders(std::string_view dataFolder) {
  bool made = true;
  for (const std::string& folder : {WorkFolder(dataFolder), ImportExportFolder(dataFolder)}) {
    made = (FolderExists(folder) || CreateFolders(folder)) && made;
  }
  return made;
}

InstallStoreResult RequestHotSyncInstall(const Settings& settings, InstallRequestStore& store) {
  constexpr std::uint32_t kInstallFiles = 1;
  const std::string name = InstallValueName(settings);
  const std::uint32_t pending = store.value(kHotSyncKeyPath, name).value_or(0);
  return store.setValue(kHotSyncKeyPath, name, pending | kInstallFiles);
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
