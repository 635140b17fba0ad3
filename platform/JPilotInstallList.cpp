#include "platform/JPilotInstallList.h"

#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/Path.h"

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#endif

namespace tk {

#ifdef _WIN32

std::string JPilotInstallListPath() { return {}; }

InstallListResult AddToInstallList(const std::string& /*list*/, const std::string& /*path*/,
                                   std::chrono::milliseconds /*wait*/) {
  return InstallListResult::NotWritten;
}

#else

namespace {

// The card's launcher folder, as J-Pilot marks a line meant for it.
constexpr char kCardMark = '\x01';

// Closes the list, which drops the lock with it.
class OpenList {
public:
  explicit OpenList(const std::string& path)
      : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600)) {}
  ~OpenList() {
    if (fd_ >= 0) ::close(fd_);
  }
  OpenList(const OpenList&) = delete;
  OpenList& operator=(const OpenList&) = delete;
  int fd() const { return fd_; }

private:
  int fd_;
};

// J-Pilot's own lock: F_SETLK, not F_SETLKW, so a list held forever can't
// keep the import waiting past the deadline.
enum class Lock { Held, Busy, Failed };

Lock LockWhole(int fd, std::chrono::milliseconds wait) {
  const auto deadline = std::chrono::steady_clock::now() + wait;
  struct flock lock {};
  lock.l_type = F_WRLCK;
  lock.l_whence = SEEK_SET;
  while (::fcntl(fd, F_SETLK, &lock) != 0) {
    if (errno != EACCES && errno != EAGAIN && errno != EINTR) return Lock::Failed;
    if (std::chrono::steady_clock::now() >= deadline) return Lock::Busy;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return Lock::Held;
}

bool ReadWhole(int fd, std::string& text) {
  char buffer[4096];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return false;
    if (got == 0) return true;
    text.append(buffer, static_cast<std::size_t>(got));
  }
}

bool WriteWhole(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t put = ::write(fd, text.data() + done, text.size() - done);
    if (put < 0 && errno == EINTR) continue;
    if (put <= 0) return false;
    done += static_cast<std::size_t>(put);
  }
  return true;
}

bool Lists(const std::string& text, const std::string& path) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + start, end - start);
    if (!line.empty() && line.front() == kCardMark) line.remove_prefix(1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line == path) return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

std::string JPilotInstallListPath() {
  std::string home = EnvironmentValue("JPILOT_HOME");
  if (home.empty()) home = EnvironmentValue("HOME");
  if (home.empty()) return {};
  const std::string folder = JoinPath(home, ".jpilot");
  if (!FolderExists(folder)) return {};
  const std::string current = JoinPath(folder, "jpilot.install");
  const std::string old = JoinPath(folder, "jpilot_to_install");
  return !FileExists(current) && FileExists(old) ? old : current;
}

InstallListResult AddToInstallList(const std::string& list, const std::string& path,
                                   std::chrono::milliseconds wait) {
  if (path.find_first_of("\r\n") != std::string::npos) return InstallListResult::NameHasLineEnd;
  const OpenList file(list);
  if (file.fd() < 0) return InstallListResult::NotWritten;
  switch (LockWhole(file.fd(), wait)) {
    case Lock::Busy:
      return InstallListResult::Locked;
    case Lock::Failed:
      return InstallListResult::NotWritten;
    case Lock::Held:
      break;
  }
  std::string text;
  if (!ReadWhole(file.fd(), text)) return InstallListResult::NotWritten;
  if (Lists(text, path)) return InstallListResult::AlreadyListed;
  // A list whose last line lacks its end would run into ours.
  const std::string line = (text.empty() || text.back() == '\n' ? "" : "\n") + path + "\n";
  if (::lseek(file.fd(), 0, SEEK_END) < 0 || !WriteWhole(file.fd(), line)) {
    return InstallListResult::NotWritten;
  }
  return InstallListResult::Added;
}

#endif

}  // namespace tk
