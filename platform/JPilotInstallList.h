#pragma once
// J-Pilot's install list: at its next sync J-Pilot installs every file the
// list names, one absolute path a line, then rewrites the list. J-Pilot
// keeps its files in $JPILOT_HOME/.jpilot ($HOME/.jpilot without it); the
// list is jpilot.install, or jpilot_to_install in versions before 1.6.1.
// J-Pilot takes an fcntl write lock on the whole file each time it opens
// it, so the list is only ever changed under that same lock.
#include <chrono>
#include <string>

namespace tk {

enum class InstallListResult {
  Added,
  AlreadyListed,
  Locked,          // another program held the lock for the whole wait
  NameHasLineEnd,  // a path with CR or LF would be read as two lines
  NotWritten,      // the list couldn't be opened, read or written
};

// The list to add to: the old name where only that is there, else
// jpilot.install. Empty when J-Pilot has no folder for this user (or on
// Windows, where there is no J-Pilot).
std::string JPilotInstallListPath();

// Appends path as one LF-ended line unless a line already names it (with or
// without the leading 0x01 that sends a file to the card). Waits up to wait
// for a lock another program holds.
InstallListResult AddToInstallList(const std::string& list, const std::string& path,
                                   std::chrono::milliseconds wait = std::chrono::seconds(5));

}  // namespace tk
