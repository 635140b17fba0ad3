#pragma once
// Program folders with a stand-in jconv5 (tests/mock/stand-in) that behaves
// the way a test needs, for what the real converter never does.
#include "fields/Settings.h"
#include "mock/TempFolder.h"

#include <string>

namespace tk::test {

// Records its program name and arguments, one a line, in args.txt beside
// itself; then copies its input to its output.
inline constexpr char kRecordingConverter[] = "record";
// Writes its output, prints on both streams and still fails with a log.
inline constexpr char kFailingConverter[] = "fail";
// Copies its input to its output, unless the input holds "slow": then it
// starts its output, a part of it and a helper (which leaves "late" beside itself
// after two seconds), leaves "started" holding its process id beside itself
// and runs until killed.
inline constexpr char kHangingConverter[] = "hang";
// Copies its input to its output and exits with 3.
inline constexpr char kExitingConverter[] = "exit 3";
// Starts its output, prints "dying" and crashes.
inline constexpr char kCrashingConverter[] = "crash";

// Puts the stand-in into programFolder as its converter.
void InstallStandIn(const std::string& programFolder, const std::string& behaviour);

// A program folder with its work folder and, unless behaviour is empty, a
// stand-in converter behaving so.
class ProgramFolder {
public:
  explicit ProgramFolder(const std::string& behaviour, const std::string& name = "program");
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
