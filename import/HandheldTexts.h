#pragma once
// What the status, the summary and tomekit-cli say of the way a database
// takes to the handheld, and what is said when a way fails. Each route is a
// phrase that follows the database's path after "; ".
#include <cstdint>
#include <string>
#include <string_view>

namespace tk {

inline std::string QueuedForHotSyncText(std::string_view userId) {
  return "queued for HotSync user " + std::string(userId);
}
inline std::string NoPalmDesktopText(std::string_view pdb) {
  return "no Palm Desktop was found to queue it for HotSync: install " + std::string(pdb) +
         " with the program you sync with";
}
inline constexpr char kAddedToJPilotList[] = "added to J-Pilot's install list";
inline constexpr char kAlreadyOnJPilotList[] = "already on J-Pilot's install list";
inline std::string CopiedForPalmSyncText(std::string_view user) {
  return "in palm-sync's install folder for " + std::string(user);
}
inline std::string CopyItWithText(std::string_view command) {
  return "copy it with: " + std::string(command);
}

inline std::string JPilotListLockedText(std::string_view list, std::string_view pdb) {
  return "J-Pilot's install list " + std::string(list) + " stayed locked by another program, so " +
         std::string(pdb) +
         " was not added to it. Add it in J-Pilot's Install window, or import it again once "
         "J-Pilot has finished syncing.";
}
inline std::string JPilotCantListText(std::string_view pdb) {
  return std::string(pdb) +
         " has a line break in its name, which J-Pilot's install list can't hold, so it was "
         "not added to the list.";
}
inline std::string JPilotListNotWrittenText(std::string_view list, std::string_view pdb) {
  return "Unable to write to " + std::string(list) + "\n" + std::string(pdb) +
         " was not added to J-Pilot's install list.";
}
inline std::string PalmSyncFolderMissingText(std::string_view folder, std::string_view pdb) {
  return "palm-sync's folder " + std::string(folder) + " is not there, so " + std::string(pdb) +
         " was not put in its install folder. Choose the folder palm-sync syncs with.";
}
inline std::string PalmSyncNotCopiedText(std::string_view pdb, std::string_view failure) {
  return std::string(pdb) + " was not put in palm-sync's install folder:\n" + std::string(failure);
}

inline std::string CannotReadText(std::string_view file) {
  return "cannot read " + std::string(file);
}
inline std::string ZipNotWrittenText(std::string_view zip, std::string_view why) {
  return std::string(zip) + " was not written: " + std::string(why);
}
inline std::string ZipTooLargeText(std::string_view zip, std::uint64_t mostMiB) {
  return std::string(zip) + " would hold more than the " + std::to_string(mostMiB) +
         " MiB an emulator installs at once, so it was not written. Zip fewer files at a time; "
         "the databases themselves are in the Palm install folder.";
}

}  // namespace tk
