// A stand-in for jconv5 that behaves the way a test needs, for what the real
// converter never does: fail with a log, hang, die half-way. It is one
// portable program, so the same tests run on Linux and, under Wine, on
// Windows. Its behaviour is the word in stand-in.txt beside it; it is called
// as jconv5 is: direction, input, output, name, description, after an
// option perhaps.
#include "../TempFolder.h"
#include "platform/Files.h"
#include "platform/Path.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#include "platform/WideText.h"
#include "platform/WindowsApi.h"
#else
#include <unistd.h>
#endif

namespace {

using Args = std::vector<std::string>;

std::string Beside(const std::string& name) { return tk::JoinPath(tk::ProgramFolder(), name); }

int ProcessId() {
#ifdef _WIN32
  return static_cast<int>(GetCurrentProcessId());
#else
  return static_cast<int>(::getpid());
#endif
}

// The converter's work: its output is its input.
int Copy(const Args& args) {
  return args.size() > 3 && tk::CopyFileBytes(args[2], args[3]) ? 0 : 1;
}

// Ends the way a crash does, which no exit code can pass for.
[[noreturn]] void Crash() {
#ifdef _WIN32
  TerminateProcess(GetCurrentProcess(), 0xC0000005);
#endif
  std::signal(SIGSEGV, SIG_DFL);
  std::raise(SIGSEGV);
  std::_Exit(99);
}

int LateHelper() {
  std::this_thread::sleep_for(std::chrono::seconds(2));
  tk::test::WriteBytes(Beside("late"), "");
  return 0;
}

// A helper started the plain way, as a converter would start one; a stop
// must end it too.
void StartHelper() {
#ifdef _WIN32
  std::wstring line = L"\"" + tk::WideFromUtf8(tk::ProgramPath()) + L"\" late";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &info)) {
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
  }
#else
  if (::fork() == 0) std::_Exit(LateHelper());
#endif
}

// The places of the files, as without the line-break option that may lead.
Args WithoutOption(Args args) {
  if (args.size() > 1 && args[1].rfind("--", 0) == 0) args.erase(args.begin() + 1);
  return args;
}

int Behave(const std::string& behaviour, const Args& given) {
  const Args args = WithoutOption(given);
  if (args.size() == 2 && args[1] == "late") return LateHelper();
  if (behaviour == "record") {
    std::string lines;
    for (const auto& arg : given) lines += arg + "\n";
    tk::test::WriteBytes(Beside("args.txt"), lines);
    return Copy(args);
  }
  if (behaviour == "fail") {
    (void)Copy(args);
    std::cout << "printed on output" << std::endl;
    std::cerr << "printed on error in " << args.at(2) << std::endl;
    tk::test::WriteBytes(tk::JoinPath(tk::ExtractFilePath(args.at(3)), "jconv5.err"),
                         "line 3: bad quote\nno database written\n");
    return 0;
  }
  if (behaviour == "exit 3") {
    (void)Copy(args);
    return 3;
  }
  if (behaviour == "hang") {
    if (tk::test::ReadBytes(args.at(2)).find("slow") == std::string::npos) return Copy(args);
    tk::test::WriteBytes(args.at(3), "half");
    tk::test::WriteBytes(args.at(3) + ".part", "half");
    StartHelper();
    tk::test::WriteBytes(Beside("started"), std::to_string(ProcessId()));
    std::this_thread::sleep_for(std::chrono::seconds(30));
    return 0;
  }
  if (behaviour == "crash") {
    tk::test::WriteBytes(args.at(3), "half a datab");
    std::cout << "dying" << std::endl;
    Crash();
  }
  return 0;  // anything else: does nothing at all
}

}  // namespace

// Arguments as a shell script sees them: the program as called first.
#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  Args args = tk::Utf8Arguments(argc, argv);
  args.insert(args.begin(), tk::Utf8FromWide(argv[0]));
  return Behave(tk::test::ReadBytes(Beside("stand-in.txt")), args);
}
#else
int main(int argc, char** argv) {
  return Behave(tk::test::ReadBytes(Beside("stand-in.txt")), {argv, argv + argc});
}
#endif
