#pragma once
// Program folders with a stand-in jconv5: a small shell script that behaves
// the way a test needs, for what the real converter never does.
#include "fields/Settings.h"
#include "mock/TempFolder.h"

#include <string>

namespace tk::test {

// Records its program name and arguments, one a line, in args.txt beside
// itself; then copies its input to its output.
inline constexpr char kRecordingConverter[] =
    "#!/bin/sh\n"
    "{ printf '%s\\n' \"$0\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > \"$(dirname "
    "\"$0\")/args.txt\"\n"
    "cp \"$2\" \"$3\"\n";
// Writes its output, prints on both streams and still fails with a log.
inline constexpr char kFailingConverter[] =
    "#!/bin/sh\n"
    "cp \"$2\" \"$3\"\n"
    "echo 'printed on output'; echo 'printed on error' >&2\n"
    "printf 'line 3: bad quote\\nno database written\\n' > \"$(dirname \"$3\")/jconv5.err\"\n";
// Copies its input to its output, unless the input holds "slow": then it
// starts its output, leaves "started" beside itself and runs until killed.
inline constexpr char kHangingConverter[] =
    "#!/bin/sh\n"
    "grep -q slow \"$2\" || exec cp \"$2\" \"$3\"\n"
    "printf 'half' > \"$3\"\n"
    "touch \"$(dirname \"$0\")/started\"\n"
    "exec sleep 30\n";
inline constexpr char kSilentConverter[] = "#!/bin/sh\nexit 0\n";

// The stand-ins are /bin/sh scripts, which Windows can't start; a test that
// runs one says so there.
#ifdef _WIN32
#define TK_SKIP_WITHOUT_POSIX_SHELL() GTEST_SKIP() << "its stand-in converter is a /bin/sh script"
#else
#define TK_SKIP_WITHOUT_POSIX_SHELL() static_cast<void>(0)
#endif

// A program folder with its work folder and, unless script is empty, a
// converter running script.
class ProgramFolder {
public:
  explicit ProgramFolder(const std::string& script, const std::string& name = "program");
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return JoinPath(path_, name); }
  std::string work(const std::string& name) const { return JoinPath(file("TKWork"), name); }
  // Settings of this program folder, nothing read yet.
  Settings settings() const { return MakeSettings(path_); }

private:
  TempFolder root_;
  std::string path_;
};

}  // namespace tk::test
