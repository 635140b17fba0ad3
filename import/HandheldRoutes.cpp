#include "import/HandheldRoutes.h"

#include "fields/FieldsTexts.h"
#include "fields/PalmFolders.h"
#include "import/HandheldTexts.h"
#include "platform/Files.h"
#include "platform/JPilotInstallList.h"
#include "platform/Path.h"

namespace tk {
namespace {

// Palm Desktop's user's name where the ID is one of them.
std::string HotSyncUserShown(const Settings& settings) {
  const PalmDesktopUser* user = PalmDesktopUserWithId(settings.palmDesktop, settings.hotSyncUserId);
  return user ? user->name : settings.hotSyncUserId;
}

void RequestHotSync(const Settings& settings, const ImportRun& run, InstallRequestStore& store,
                    Handover& handover) {
  // Without Palm Desktop no HotSync Manager reads the registry: a key made
  // there would only hide that nothing installs the database.
  if (store.readByHotSync() && settings.palmDesktop.folder.empty()) {
    handover.routes.push_back(NoPalmDesktopText(run.pdbPath));
    return;
  }
  const InstallStoreResult result = RequestHotSyncInstall(settings, store);
  if (result != InstallStoreResult::Ok) {
    handover.problems.push_back(PlainNotice(InstallRequestMessage(settings, result)));
  } else if (store.readByHotSync()) {
    handover.routes.push_back(QueuedForHotSyncText(HotSyncUserShown(settings)));
  }
}

void ListForJPilot(const ImportRun& run, Handover& handover) {
  const std::string list = JPilotInstallListPath();
  if (list.empty()) return;
  switch (AddToInstallList(list, run.pdbPath)) {
    case InstallListResult::Added:
      handover.routes.emplace_back(kAddedToJPilotList);
      return;
    case InstallListResult::AlreadyListed:
      handover.routes.emplace_back(kAlreadyOnJPilotList);
      return;
    case InstallListResult::Locked:
      handover.problems.push_back(ErrorNotice(JPilotListLockedText(list, run.pdbPath)));
      return;
    case InstallListResult::NameHasLineEnd:
      handover.problems.push_back(ErrorNotice(JPilotCantListText(run.pdbPath)));
      return;
    case InstallListResult::NotWritten:
      handover.problems.push_back(ErrorNotice(JPilotListNotWrittenText(list, run.pdbPath)));
      return;
  }
}

void CopyForPalmSync(const Settings& settings, const ImportRun& run, Handover& handover) {
  const std::string target = PalmSyncInstallPath(settings, run);
  if (target.empty()) return;
  if (!FolderExists(settings.palmSyncFolder)) {
    handover.problems.push_back(
        ErrorNotice(PalmSyncFolderMissingText(settings.palmSyncFolder, run.pdbPath)));
    return;
  }
  std::string failure;
  const std::string folder = ExtractFilePath(target);
  if (!CreateFolders(folder)) {
    failure = UnableToWriteText(folder);
  } else if (CopyFileBytes(run.pdbPath, target, failure)) {
    handover.routes.push_back(CopiedForPalmSyncText(settings.palmSyncUser));
    return;
  }
  handover.problems.push_back(ErrorNotice(PalmSyncNotCopiedText(run.pdbPath, failure)));
}

// Characters a double-quoted word doesn't keep as they are: the shell
// expands $ and `, takes \ as an escape, and an interactive bash expands !.
constexpr std::string_view kUnsafeInDoubleQuotes = "\"$`\\!";

}  // namespace

std::string ShellQuoted(std::string_view text) {
  if (text.find_first_of(kUnsafeInDoubleQuotes) == std::string_view::npos) {
    return "\"" + std::string(text) + "\"";
  }
  std::string quoted = "'";
  for (const char c : text) {
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  }
  return quoted + "'";
}

std::string PilotXferCommand(std::string_view pdbPath) {
  return "pilot-xfer -p usb: -i " + ShellQuoted(pdbPath);
}

std::string PalmSyncInstallPath(const Settings& settings, const ImportRun& run) {
  // A user typed as "../x" would put the database outside palm-sync's folder.
  if (!IsFullPath(settings.palmSyncFolder) || !IsPalmSyncUserName(settings.palmSyncUser)) {
    return {};
  }
  const std::string base = ChangeFileExt(ExtractFileName(run.pdbPath), "");
  const std::string user = JoinPath(settings.palmSyncFolder, settings.palmSyncUser);
  return JoinPath(JoinPath(user, "install"), base + ".tomekit.pdb");
}

Handover HandOverDatabase(const Settings& settings, const ImportRun& run,
                          InstallRequestStore& store) {
  Handover handover;
  RequestHotSync(settings, run, store, handover);
  ListForJPilot(run, handover);
  CopyForPalmSync(settings, run, handover);
#ifndef _WIN32
  // pilot-link has no dry run and nothing to queue for: the user runs it.
  handover.installCommand = PilotXferCommand(run.pdbPath);
  handover.routes.push_back(CopyItWithText(handover.installCommand));
#endif
  return handover;
}

}  // namespace tk
