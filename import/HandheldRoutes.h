#pragma once
// After a database is written to the Palm install folder: every route that
// takes it to the handheld at the next sync is given it. The HotSync
// Manager's request (or Tomekit's own store of it), J-Pilot's install list
// where J-Pilot keeps its files, palm-sync's install folder once the user
// chose one, and the pilot-xfer command that copies it by hand.
#include "converter/Notice.h"
#include "fields/Settings.h"
#include "import/ImportRun.h"
#include "platform/InstallRequestStore.h"

#include <string>
#include <string_view>
#include <vector>

namespace tk {

struct Handover {
  std::vector<std::string> routes;  // as FileOutcome::routes
  std::string installCommand;       // empty where pilot-link isn't used
  std::vector<Notice> problems;     // a route that failed, each naming its file
};

[[nodiscard]] Handover HandOverDatabase(const Settings& settings, const ImportRun& run,
                                        InstallRequestStore& store);

// text as one word for a POSIX shell: in double quotes as people write it,
// or in single quotes when it holds a character double quotes don't keep.
std::string ShellQuoted(std::string_view text);
// pilot-xfer -p usb: -i "<pdb>"
std::string PilotXferCommand(std::string_view pdbPath);

// <palm-sync folder>/<user>/install/<PDB base>.tomekit.pdb: palm-sync takes
// only names ending in a lower-case ".pdb", and one named after the
// database would lose to the backup of that name. Empty unless both are
// chosen.
std::string PalmSyncInstallPath(const Settings& settings, const ImportRun& run);

}  // namespace tk
