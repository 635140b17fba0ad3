#include "fields/WorkFolderClaim.h"

#include "fields/FieldsTexts.h"
#include "fields/PalmFolders.h"
#include "platform/Files.h"
#include "platform/Path.h"
#include "platform/Text.h"
#include "platform/Utf8Path.h"

#include <algorithm>
#include <array>
#include <filesystem>

namespace fs = std::filesystem;

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

bool IsKept(const fs::path& file, const std::vector<std::string>& keep) {
  std::error_code ec;
  return std::any_of(keep.begin(), keep.end(), [&](const std::string& kept) {
    return fs::equivalent(file, fs::u8path(kept), ec);
  });
}

}  // namespace

std::string WorkFolderLockPath(std::string_view dataFolder) {
  return WorkFolder(dataFolder) + ".lock";
}

WorkFolderClaim::WorkFolderClaim(std::string_view dataFolder,
                                 const std::vector<std::string>& chosen)
    : dataFolder_(dataFolder), lock_(WorkFolderLockPath(dataFolder)) {
  if (lock_.state() == FileLockState::Held) ClearWorkFiles(dataFolder, chosen);
}

std::string WorkFolderClaim::refusalText() const {
  return WorkFolderBusyText(dataFolder_);
}

void ClearWorkFiles(std::string_view dataFolder, const std::vector<std::string>& keep) {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(fs::u8path(WorkFolder(dataFolder)), ec)) {
    std::error_code entryError;
    if (entry.is_directory(entryError)) continue;
    const std::string name = Utf8FromPath(entry.path().filename());
    if (IsWorkFile(name) && !IsKept(entry.path(), keep)) fs::remove(entry.path(), entryError);
  }
}

}  // namespace tk
