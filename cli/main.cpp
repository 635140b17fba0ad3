// tomekit-cli: the import and export buttons for many files, without the
// window. See cli/CommandLine.h.
#include "cli/BatchRun.h"
#include "cli/CliTexts.h"
#include "platform/DataFolder.h"
#include "platform/Files.h"
#include "platform/StopSignal.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include "platform/WideText.h"
#endif

namespace {

// Only a bug throws; it still ends the run with one plain line and a status
// that scripts see as a failure.
int Run(const std::vector<std::string>& args) {
  try {
    tk::InstallStopSignalHandlers();
    const std::string programFolder = tk::ProgramFolder();
    return tk::cli::RunBatch(args, tk::ChooseDataFolder(programFolder), programFolder, std::cout,
                             std::cerr);
  } catch (const std::exception& error) {
    std::cerr << tk::cli::kProgramLead << error.what() << '\n';
  } catch (...) {
    std::cerr << tk::cli::kProgramLead << tk::cli::kUnexpectedError << '\n';
  }
  return tk::cli::kSomeFailed;
}

}  // namespace

#ifdef _WIN32
// The wide command line: the narrow one is in the ANSI code page, which
// can't hold every letter of a path.
int wmain(int argc, wchar_t** argv) {
  tk::UseUtf8Console();
  return Run(tk::Utf8Arguments(argc, argv));
}
#else
int main(int argc, char** argv) { return Run({argv + 1, argv + argc}); }
#endif
