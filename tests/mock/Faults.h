#pragma once
// Faults of the machine, made so that they stop root too (the tests run as
// root, for whom permissions stop nothing).
#include "mock/TempFolder.h"
#include "platform/Files.h"

#include <filesystem>
#include <string>

#ifndef _WIN32
#include <sys/stat.h>
#endif

// A test whose faults are made with the means below (Linux device files,
// links) says so on Windows, where none of them exists.
#ifdef _WIN32
#define TK_SKIP_WITHOUT_LINUX_FAULTS() \
  GTEST_SKIP() << "its faults are made with /dev/full, /proc/self/mem or links"
#else
#define TK_SKIP_WITHOUT_LINUX_FAULTS() static_cast<void>(0)
#endif

namespace tk::test {

// The file OutputFile writes before it renames it over target, and the one
// jconv5 writes.
inline std::string TkPartOf(const std::string& target) { return PartFileOf(target); }
inline std::string Jconv5PartOf(const std::string& target) { return target + ".jconv5-part"; }

// A disk that fills up while the file is written: the temporary file the
// writer opens is a link to /dev/full, so opening succeeds and every write
// fails with "no space left on device", as on a full disk. The writer must
// remove its temporary file (here the link) and leave target as it was.
inline void FullDiskFor(const std::string& partFile) {
  std::filesystem::create_symlink("/dev/full", partFile);
}
inline bool LeftBehind(const std::string& partFile) {
  return std::filesystem::is_symlink(partFile) || std::filesystem::exists(partFile);
}

// A file that opens but can't be read: a link to this process's own memory,
// whose first page is never mapped, so the first read fails.
inline void UnreadableFile(const std::string& path) {
  std::filesystem::create_symlink("/proc/self/mem", path);
}

// A folder that can't be used: a regular file stands where it should be, so
// nothing can be created in it, not even by root.
inline void BlockFolder(const std::string& folder) {
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
  WriteBytes(folder, "a file where a folder should be");
}

// A FIFO nobody writes to: opening it for reading the usual way waits for
// a writer. Windows has none, so there it is never made.
inline bool MakeFifo(const std::string& path) {
#ifdef _WIN32
  static_cast<void>(path);
  return false;
#else
  return ::mkfifo(path.c_str(), 0600) == 0;
#endif
}

}  // namespace tk::test
