#include "platform/Process.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <cerrno>
extern char** environ;
#endif

namespace tk {
namespace {

#ifdef _WIN32

class WindowsChild final : public ChildProcess {
public:
  explicit WindowsChild(PROCESS_INFORMATION info) : info_(info) {}
  ~WindowsChild() override {
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
  }
  State poll() override {
    DWORD code = 0;
    if (!GetExitCodeProcess(info_.hProcess, &code)) return State::QueryFailed;
    return code == STILL_ACTIVE ? State::Running : State::Ended;
  }
  int wait() override {
    WaitForSingleObject(info_.hProcess, INFINITE);
    DWORD code = 0;
    return GetExitCodeProcess(info_.hProcess, &code) ? static_cast<int>(code) : -1;
  }

private:
  PROCESS_INFORMATION info_;
};

class WindowsLauncher final : public ProcessLauncher {
public:
  std::unique_ptr<ChildProcess> start(const std::vector<std::string>& args) const override {
    std::string commandLine;
    for (const auto& arg : args) {
      if (!commandLine.empty()) commandLine += ' ';
      commandLine += arg;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, HIGH_PRIORITY_CLASS,
                        nullptr, nullptr, &startup, &info)) {
      return nullptr;
    }
    return std::make_unique<WindowsChild>(info);
  }
};

#else

class PosixChild final : public ChildProcess {
public:
  explicit PosixChild(pid_t pid) : pid_(pid) {}
  // Never leave a zombie behind: reap the child when it is given up.
  ~PosixChild() override {
    if (!reaped_) wait();
  }
  State poll() override {
    if (reaped_) return State::Ended;
    int status = 0;
    pid_t r = ::waitpid(pid_, &status, WNOHANG);
    if (r == 0) return State::Running;
    if (r == pid_) {
      finish(status);
      return State::Ended;
    }
    if (errno == EINTR) return State::Running;
    reaped_ = true;
    return State::QueryFailed;
  }
  int wait() override {
    while (!reaped_) {
      int status = 0;
      pid_t r = ::waitpid(pid_, &status, 0);
      if (r == pid_)
        finish(status);
      else if (r < 0 && errno != EINTR)
        reaped_ = true;
    }
    return exitCode_;
  }

private:
  void finish(int status) {
    reaped_ = true;
    exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  pid_t pid_;
  bool reaped_ = false;
  int exitCode_ = -1;
};

class PosixLauncher final : public ProcessLauncher {
public:
  std::unique_ptr<ChildProcess> start(const std::vector<std::string>& args) const override {
    if (args.empty()) return nullptr;
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return nullptr;
    return std::make_unique<PosixChild>(pid);
  }
};

#endif

}  // namespace

const ProcessLauncher& systemProcessLauncher() {
#ifdef _WIN32
  static const WindowsLauncher launcher;
#else
  static const PosixLauncher launcher;
#endif
  return launcher;
}

}  // namespace tk
