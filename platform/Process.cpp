#include "platform/Process.h"

#include "platform/Charset.h"

#ifdef _WIN32
#include "platform/WideText.h"
#include "platform/WindowsCommandLine.h"

#include "platform/WindowsApi.h"

#include <system_error>
#else
#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/prctl.h>
#include <sys/syscall.h>
#endif
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <system_error>
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
    if (job_ != nullptr) CloseHandle(job_);  // ends whatever is still in it
  }
  State poll() override {
    // The handle, not the exit code: a child may exit with STILL_ACTIVE.
    const DWORD waited = WaitForSingleObject(info_.hProcess, 0);
    if (waited == WAIT_TIMEOUT) return State::Running;
    return waited == WAIT_OBJECT_0 ? State::Ended : State::QueryFailed;
  }
  int wait() override {
    WaitForSingleObject(info_.hProcess, INFINITE);
    if (killed_) waitForEmptyJob();
    DWORD code = 0;
    return GetExitCodeProcess(info_.hProcess, &code) ? static_cast<int>(code) : -1;
  }
  void kill() override {
    killed_ = true;
    if (job_ == nullptr || !TerminateJobObject(job_, 1)) TerminateProcess(info_.hProcess, 1);
  }

private:
  // Ending a job is asynchronous; what it held may still be writing a file.
  void waitForEmptyJob() const {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION counts{};
    for (int tries = 0; job_ != nullptr && tries < 500; ++tries) {
      if (!QueryInformationJobObject(job_, JobObjectBasicAccountingInformation, &counts,
                                     sizeof counts, nullptr) ||
          counts.ActiveProcesses == 0) {
        return;
      }
      Sleep(10);
    }
  }

  PROCESS_INFORMATION info_;
  HANDLE job_;  // the child and whatever it starts; null when none could be made
  bool killed_ = false;
};

std::string LastErrorText() {
  return std::system_category().message(static_cast<int>(GetLastError()));
}

// A job that ends everything in it once its last handle closes, which this
// program holds: when it ends, however it ends, so do the child and whatever
// the child starts. Null when the system refuses one.
HANDLE KillOnCloseJob() {
  HANDLE job = CreateJobObjectW(nullptr, nullptr);
  if (job == nullptr) return nullptr;
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (!SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits)) {
    CloseHandle(job);
    return nullptr;
  }
  return job;
}

// The child's end of its output file; closed here once the child has its own.
// Shared for writing and deleting, so that a handle an ended child's teardown
// still holds can't make the next run's open fail.
HANDLE OpenInheritableOutput(const std::string& path) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return CreateFileW(WideFromUtf8(path).c_str(), GENERIC_WRITE,
                     FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, &inherit,
                     CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

class WindowsLauncher final : public ProcessLauncher {
public:
  StartedChild start(const std::vector<std::string>& args,
                     const std::string& outputFile) const override {
    if (args.empty()) return {nullptr, "no program given"};
    std::wstring commandLine = WideFromUtf8(WindowsCommandLine(args));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    HANDLE output = INVALID_HANDLE_VALUE;
    if (!outputFile.empty()) {
      output = OpenInheritableOutput(outputFile);
      if (output == INVALID_HANDLE_VALUE) return {nullptr, LastErrorText() + ": " + outputFile};
      startup.dwFlags = STARTF_USESTDHANDLES;
      startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
      startup.hStdOutput = startup.hStdError = output;
    }
    PROCESS_INFORMATION info{};
    // Suspended until it is in the job, so that nothing it starts escapes.
    // With its output in a file it needs no console; one made for it would
    // come with a console host that inherits the child's handles and
    // outlives it, holding the output file open into the next run (under
    // Wine the next start then fails to open it).
    DWORD flags = HIGH_PRIORITY_CLASS | CREATE_SUSPENDED;
    if (output != INVALID_HANDLE_VALUE) flags |= DETACHED_PROCESS;
    const BOOL started =
        CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr,
                       output != INVALID_HANDLE_VALUE, flags, nullptr, nullptr, &startup, &info);
    const std::string failure = started ? std::string() : LastErrorText();
    if (output != INVALID_HANDLE_VALUE) CloseHandle(output);
    if (!started) return {nullptr, failure};
    HANDLE job = KillOnCloseJob();
    if (job != nullptr && !AssignProcessToJobObject(job, info.hProcess)) {
      CloseHandle(job);
      job = nullptr;
    }
    auto child = std::make_unique<WindowsChild>(info, job);
    if (ResumeThread(info.hThread) == static_cast<DWORD>(-1)) {
      const std::string resumeFailure = LastErrorText();
      child->kill();
      (void)child->wait();
      return {nullptr, resumeFailure};
    }
    return {std::move(child), {}};
  }
};

#else

// The child we start is a guardian: a copy of this program that starts the
// real child in a process group of its own and waits for it. On a stop, or
// when this program ends in any way (the parent-death signal), it kills that
// whole group and reaps the child, so that once the guardian is reaped the
// child is gone too. Between fork and exit it may only make calls that are
// safe in a signal handler, as this program may have threads.

// The guardian's child group, for its signal handler; set only in the
// guardian process.
volatile std::sig_atomic_t guardedGroup = 0;

void EndGuardedGroup(int) {
  if (guardedGroup > 0) ::kill(-static_cast<pid_t>(guardedGroup), SIGKILL);
}

void SetHandler(int signal, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  ::sigaction(signal, &action, nullptr);
}

// What the guardian and the child need, made before fork: after it nothing
// may allocate.
struct SpawnPlan {
  std::vector<char*> argv;
  int outputFd = -1;  // -1: keep this program's standard output and error
  int reportFd = -1;  // the write end of the pipe telling why exec failed
  pid_t parent = 0;
  sigset_t mask{};  // the caller's signal mask, which the child gets back
};

void Report(int fd, int error) {
  while (::write(fd, &error, sizeof error) < 0 && errno == EINTR) {
  }
}

[[noreturn]] void ExecChild(const SpawnPlan& plan) {
  ::setpgid(0, 0);
  SetHandler(SIGTERM, SIG_DFL);
  SetHandler(SIGHUP, SIG_DFL);
#ifdef __linux__
  // Should the guardian itself be killed outright, the child still ends.
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
#endif
  ::sigprocmask(SIG_SETMASK, &plan.mask, nullptr);
  if (plan.outputFd >= 0 && (::dup2(plan.outputFd, 1) < 0 || ::dup2(1, 2) < 0)) {
    Report(plan.reportFd, errno);
    ::_exit(127);
  }
  ::execve(plan.argv[0], plan.argv.data(), environ);
  Report(plan.reportFd, errno);
  ::_exit(127);
}

// Closes the descriptors from..to (to -1: all above from).
void CloseFrom(int from, int to) {
#ifdef __linux__
  if (::syscall(SYS_close_range, static_cast<unsigned>(from),
                to < 0 ? ~0U : static_cast<unsigned>(to), 0U) == 0) {
    return;
  }
#endif
  const long open = ::sysconf(_SC_OPEN_MAX);
  const int last = to >= 0 ? to : static_cast<int>(open > 0 && open < 65536 ? open : 65536) - 1;
  for (int fd = from; fd <= last; ++fd) ::close(fd);
}

// Every descriptor but the standard ones and the plan's own. The guardian is
// a copy of this program without an exec, so without this it would share
// whatever this program holds open: a lock on the work folder above all,
// which it would keep after this program was killed, refusing the next run
// until the guardian had ended too.
void CloseInheritedFiles(const SpawnPlan& plan) {
  const int keepLow = std::min(plan.outputFd, plan.reportFd);
  const int keepHigh = std::max(plan.outputFd, plan.reportFd);
  int from = 3;
  for (const int keep : {keepLow, keepHigh}) {
    if (keep < from) continue;
    if (keep > from) CloseFrom(from, keep - 1);
    from = keep + 1;
  }
  CloseFrom(from, -1);
}

[[noreturn]] void RunGuardian(const SpawnPlan& plan) {
  ::setpgid(0, 0);
  CloseInheritedFiles(plan);
  sigset_t all;
  sigfillset(&all);
  ::sigprocmask(SIG_BLOCK, &all, nullptr);
  SetHandler(SIGCHLD, SIG_DFL);  // a caller ignoring it would make the child unreapable
  SetHandler(SIGTERM, EndGuardedGroup);
  SetHandler(SIGHUP, EndGuardedGroup);
#ifdef __linux__
  ::prctl(PR_SET_PDEATHSIG, SIGTERM);
#endif
  if (::getppid() != plan.parent) ::_exit(127);  // the parent died before the line above
  const pid_t child = ::fork();
  if (child == 0) ExecChild(plan);
  if (child < 0) {
    Report(plan.reportFd, errno);
    ::_exit(127);
  }
  guardedGroup = child;
  ::setpgid(child, child);  // no window in which a stop misses the group
  ::close(plan.reportFd);
  sigset_t none;
  sigemptyset(&none);
  ::sigprocmask(SIG_SETMASK, &none, nullptr);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) ::_exit(127);
  }
  if (WIFEXITED(status)) ::_exit(WEXITSTATUS(status));
  ::kill(::getpid(), SIGKILL);  // a death by signal reads as one above too
  ::_exit(127);
}

// The errno the child reported, or 0 once it runs the program (the pipe
// closes on exec).
int ReadStartReport(int fd) {
  int error = 0;
  ssize_t got;
  while ((got = ::read(fd, &error, sizeof error)) < 0 && errno == EINTR) {
  }
  ::close(fd);
  return got == static_cast<ssize_t>(sizeof error) ? error : 0;
}

class PosixChild final : public ChildProcess {
public:
  explicit PosixChild(pid_t guardian) : pid_(guardian) {}
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
  // The guardian kills the child's whole group and reaps the child first.
  void kill() override {
    if (!reaped_) ::kill(pid_, SIGTERM);
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

std::string ErrnoText(int error) { return std::generic_category().message(error); }

class PosixLauncher final : public ProcessLauncher {
public:
  StartedChild start(const std::vector<std::string>& args,
                     const std::string& outputFile) const override {
    if (args.empty()) return {nullptr, ErrnoText(EINVAL)};
    SpawnPlan plan;
    for (const auto& arg : args) plan.argv.push_back(const_cast<char*>(arg.c_str()));
    plan.argv.push_back(nullptr);
    if (!outputFile.empty()) {
      plan.outputFd = ::open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
      if (plan.outputFd < 0) return {nullptr, ErrnoText(errno) + ": " + outputFile};
    }
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
      const int error = errno;
      if (plan.outputFd >= 0) ::close(plan.outputFd);
      return {nullptr, ErrnoText(error)};
    }
    plan.reportFd = report[1];
    plan.parent = ::getpid();
    ::pthread_sigmask(SIG_SETMASK, nullptr, &plan.mask);
    const pid_t guardian = ::fork();
    if (guardian == 0) RunGuardian(plan);
    const int forkError = errno;
    ::close(report[1]);
    if (plan.outputFd >= 0) ::close(plan.outputFd);
    if (guardian < 0) {
      ::close(report[0]);
      return {nullptr, ErrnoText(forkError)};
    }
    auto child = std::make_unique<PosixChild>(guardian);
    if (const int error = ReadStartReport(report[0]); error != 0) {
      (void)child->wait();
      return {nullptr, ErrnoText(error)};
    }
    return {std::move(child), {}};
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
