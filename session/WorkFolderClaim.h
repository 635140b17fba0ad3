#pragma once
// Every copy that uses a data folder (the window and any number of
// tomekit-cli runs) shares its work folder's files, whose names come from
// the files converted, so two conversions at once would hand each other's
// records to the converter. One conversion at a time claims the folder, for
// its whole length. A second is refused at once rather than kept waiting: a
// script then never hangs behind a run that does, and the user is told why.
// The lock is on the work folder itself, which every conversion must open to
// work, so deleting a file can't let two in at once.
#include "platform/FolderLock.h"

#include <string>
#include <string_view>
#include <vector>

namespace tk {

class WorkFolderClaim {
public:
  // Claims the work folder of dataFolder. Once claimed, the work files of
  // earlier conversions go, so the folder keeps only what tells how the last
  // conversion went; none of the chosen files is removed, wherever it is.
  // Where no lock can be made (a data folder that can't be written), the
  // conversion goes on unclaimed and clears nothing. A work folder that is a
  // link, or a file, is refused: what a conversion writes and deletes there
  // would land outside the data folder.
  WorkFolderClaim(std::string_view dataFolder, const std::vector<std::string>& chosen);

  // Another conversion holds the folder, or it is none of the program's
  // own: this one must not start.
  bool refused() const {
    return lock_.state() == FolderLockState::HeldByAnother ||
           lock_.state() == FolderLockState::NotAFolder;
  }
  // What the user is told when refused.
  std::string refusalText() const;

private:
  std::string dataFolder_;
  FolderLock lock_;
};

// Removes the files the program leaves in the work folder (CSV, IFO, the
// converter's copies, output and log, partial files of killed runs), except
// those in keep; everything else in the folder stays. A work folder that is
// a link is not looked into.
void ClearWorkFiles(std::string_view dataFolder, const std::vector<std::string>& keep);

}  // namespace tk
