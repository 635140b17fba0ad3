#include "session/WorkFolderClaim.h"

#include "fields/FieldsTexts.h"
#include "fields/PalmFolders.h"
#include "platform/Files.h"
#include "platform/Path.h"
#include "platform/Text.h"

#include <algorithm>
#include <array>

namespace tk {
namespace {

// What the program writes to the work folder: an import's CSV, IFO and
// generic intermediate, an export's CSV, the converter's copies (.tmp) and
// log, and the partial files a killed writer leaves.
constexpr std::array<std::string_view, 8> kWorkFileExtensions = {
    ".csv", ".ifo", ".tkg", ".out", ".tmp", ".err", ".tk-part", ".jconv5-part"};

bool IsWorkFile(const std::string& name) {
  const std::string extension = ExtractFileExt(name);
  return std::any_of(kWorkFileExtensions.begin(), kWorkFileExtensions.end(),
                     [&](std::string_view known) { return EqualsIgnoreCase(extension, known); });
}

bool IsKept(const std::string& file, const std::vector<std::string>& keep) {
  return std::any_of(keep.begin(), keep.end(),
                     [&](const std::string& kept) { return SameFile(file, kept); });
}

// The folder is made first when it has gone, so that it can be locked.
std::string WorkFolderToLock(std::string_view dataFolder) {
  const std::string folder = WorkFolder(dataFolder);
  if (FolderExists(std::string(dataFolder)) && !IsLink(folder) && !FolderExists(folder)) {
    (void)CreateFolders(folder);
  }
  return folder;
}

}  // namespace

WorkFolderClaim::WorkFolderClaim(std::string_view dataFolder,
                                 const std::vector<std::string>& chosen)
    : dataFolder_(dataFolder), lock_(WorkFolderToLock(dataFolder)) {
  if (lock_.state() == FolderLockState::Held) ClearWorkFiles(dataFolder, chosen);
}

std::string WorkFolderClaim::refusalText() const {
  if (lock_.state() == FolderLockState::NotAFolder) {
    return WorkFolderNotOwnText(WorkFolder(dataFolder_));
  }
  return WorkFolderBusyText(dataFolder_);
}

void ClearWorkFiles(std::string_view dataFolder, const std::vector<std::string>& keep) {
  const std::string folder = WorkFolder(dataFolder);
  if (IsLink(folder)) return;
  for (const std::string& name : FileNamesIn(folder)) {
    const std::string file = JoinPath(folder, name);
    if (IsWorkFile(name) && !IsKept(file, keep)) RemoveFile(file);
  }
}

}  // namespace tk
