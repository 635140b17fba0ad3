#pragma once
// One zip of the databases of a run, for the emulators' "Install file",
// which take a zip of .pdb files as readily as one: each entry named
// <database name>.pdb, as the emulator names what it installs, stored as it
// is (databases hardly shrink, and every reader takes a stored entry).
#include "platform/PalmCharset.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

// The most an emulator's "Install file" takes at once.
inline constexpr std::uint64_t kEmulatorZipLimit = 32u << 20;

struct ZipEntry {
  std::string name;  // UTF-8
  std::string bytes;
};

// The archive's bytes; names are marked as UTF-8.
std::string ZipArchive(const std::vector<ZipEntry>& entries);

// Zips the PDBs named (their database names in charset, a later one of a
// name in place of an earlier) into zipPath, replacing it whole, unless the
// archive would be over the limit or a PDB can't be read. The message that
// says why nothing was written; empty when it was.
[[nodiscard]] std::string WriteDatabaseZip(const std::string& zipPath,
                                           const std::vector<std::string>& pdbPaths,
                                           PalmCharset charset);

}  // namespace tk
