#pragma once
// Child processes: start a program with an argument vector (no shell, nothing
// quoted or split), ask whether it has ended, wait for it, end it. A child
// and whatever it starts end when this program ends, however it ends, so a
// killed run leaves nothing running that could write into a later run. The
// converter runner is the only user; tests give it a fake launcher.
#include <memory>
#include <string>
#include <vector>

namespace tk {

class ChildProcess {
public:
  enum class State { Running, Ended, QueryFailed };

  virtual ~ChildProcess() = default;
  // Never blocks.
  virtual State poll() = 0;
  // Blocks until the process has ended; its exit code, -1 when unknown.
  virtual int wait() = 0;
  // Ends the process and whatever it started at once; wait() then reaps it,
  // and returns once nothing it started can still write a file.
  virtual void kill() = 0;
};

// A started child, or the system's reason why it could not be started.
struct StartedChild {
  std::unique_ptr<ChildProcess> child;
  std::string failure;  // "No such file or directory"; empty when started
};

class ProcessLauncher {
public:
  virtual ~ProcessLauncher() = default;
  // Starts args[0] with args as its argument vector, in the current folder
  // with the current environment; its standard output and error go to
  // outputFile (replaced), or where this program's go when that is empty.
  virtual StartedChild start(const std::vector<std::string>& args,
                             const std::string& outputFile) const = 0;
  StartedChild start(const std::vector<std::string>& args) const { return start(args, {}); }
};

// Starts real processes. On Windows the items become one command line (see
// WindowsCommandLine.h); the child runs at high priority.
const ProcessLauncher& SystemProcessLauncher();

// An item holding Windows-1252 bytes, as start() must be given it: as it is
// where items are bytes; on Windows, where they are characters, as the UTF-8
// of the characters those bytes stand for.
std::string ItemOfWindows1252(const std::string& bytes);

}  // namespace tk
