#include "platform/Process.h"

#include "platform/Charset.h"

#ifdef _WIN32
#include "platform/WideText.h"
#include "platform/WindowsCommandLine.h"

#include "platform/WindowsApi.h"
#else
#include <fcntl.h>
#include <signal.h>
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
  WindowsChild(PROCESS_INFORMATION info, HANDLE job) : info_(info), job_(job) {}
  ~WindowsChild() override {
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
    if (job_ != nullptr) CloseHandle(job_);
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
  void kill() override {
    if (job_ == nullptr || !TerminateJobObject(job_, 1)) TerminateProcess(info_.hProcess, 1);
  }

private:
  PROCESS_INFORMATION info_;
  HANDLE job_;  // the child and whatever it starts; null when none could be made
};

// A job holding the suspended child, so that ending the job ends whatever
// the child starts too; null when the system refuses one.
HANDLE JobFor(HANDLE process) {
  HANDLE job = CreateJobObjectW(nullptr, nullptr);
  if (job != nullptr && !AssignProcessToJobObject(job, process)) {
    CloseHandle(job);
    job = nullptr;
  }
  return job;
}

// The child's end of its output file; closed here once the child has its own.
HANDLE OpenInheritableOutput(const std::string& path) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return CreateFileW(WideFromUtf8(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

class WindowsLauncher final : public ProcessLauncher {
public:
  std::unique_ptr<ChildProcess> start(const std::vector<std::string>& args,
                                      const std::string& outputFile) const override {
    if (args.empty()) return nullptr;
    std::wstring commandLine = WideFromUtf8(WindowsCommandLine(args));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    HANDLE output = INVALID_HANDLE_VALUE;
    if (!outputFile.empty()) {
      output = OpenInheritableOutput(outputFile);
      if (output == INVALID_HANDLE_VALUE) return nullptr;
      startup.dwFlags = STARTF_USESTDHANDLES;
      startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
      startup.hStdOutput = startup.hStdError = output;
    }
    PROCESS_INFORMATION info{};
    const BOOL started = CreateProcessW(
        nullptr, commandLine.data(), nullptr, nullptr, output != INVALID_HANDLE_VALUE,
        HIGH_PRIORITY_CLASS | CREATE_SUSPENDED, nullptr, nullptr, &startup, &info);
    if (output != INVALID_HANDLE_VALUE) CloseHandle(output);
    if (!started) return nullptr;
    HANDLE job = JobFor(info.hProcess);
    ResumeThread(info.hThread);
    return std::make_unique<WindowsChild>(info, job);
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
  // The whole group: whatever the child started ends with it.
  void kill() override {
    if (!reaped_) ::kill(-pid_, SIGKILL);
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

// Where the child's standard output and error go; nothing to do when they
// stay with this program's.
class OutputRedirection {
public:
  explicit OutputRedirection(const std::string& outputFile) {
    if (outputFile.empty()) return;
    ::posix_spawn_file_actions_init(&actions_);
    active_ = true;
    ::posix_spawn_file_actions_addopen(&actions_, 1, outputFile.c_str(),
                                       O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::posix_spawn_file_actions_adddup2(&actions_, 1, 2);
  }
  ~OutputRedirection() {
    if (active_) ::posix_spawn_file_actions_destroy(&actions_);
  }
  OutputRedirection(const OutputRedirection&) = delete;
  OutputRedirection& operator=(const OutputRedirection&) = delete;
  const posix_spawn_file_actions_t* actions() const { return active_ ? &actions_ : nullptr; }

private:
  posix_spawn_file_actions_t actions_{};
  bool active_ = false;
};

class PosixLauncher final : public ProcessLauncher {
public:
  std::unique_ptr<ChildProcess> start(const std::vector<std::string>& args,
                                      const std::string& outputFile) const override {
    if (args.empty()) return nullptr;
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const OutputRedirection redirection(outputFile);
    // The child leads a process group of its own, so kill() reaches what it
    // starts.
    posix_spawnattr_t attributes;
    ::posix_spawnattr_init(&attributes);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    ::posix_spawnattr_setpgroup(&attributes, 0);
    pid_t pid = 0;
    const int failed =
        ::posix_spawn(&pid, argv[0], redirection.actions(), &attributes, argv.data(), environ);
    ::posix_spawnattr_destroy(&attributes);
    if (failed != 0) return nullptr;
    return std::make_unique<PosixChild>(pid);
  }
};

#endif

}  // namespace

const ProcessLauncher& SystemProcessLauncher() {
#ifdef _WIN32
  static const WindowsLauncher launcher;
#else
  static const PosixLauncher launcher;
#endif
  return launcher;
}

std::string ItemOfWindows1252(const std::string& bytes) {
#ifdef _WIN32
  return Utf8OfWindows1252(bytes);
#else
  return bytes;
#endif
}

}  // namespace tk
