// tomekit-cli: the import and export buttons for many files, without the
// window. See cli/CommandLine.h.
#include "cli/BatchRun.h"
#include "platform/Files.h"
#include "platform/StopSignal.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

// Only a bug throws; it still ends the run with one plain line and a status
// that scripts see as a failure.
int main(int argc, char** argv) {
  try {
    tk::InstallStopSignalHandlers();
    std::vector<std::string> args(argv + 1, argv + argc);
    return tk::cli::RunBatch(args, tk::ProgramFolder(), std::cout, std::cerr);
  } catch (const std::exception& error) {
    std::cerr << "tomekit-cli: " << error.what() << '\n';
  } catch (...) {
    std::cerr << "tomekit-cli: unexpected error\n";
  }
  return tk::cli::kSomeFailed;
}
