// tomekit-cli: the import and export buttons for many files, without the
// window. See cli/CommandLine.h.
#include "cli/BatchRun.h"
#include "platform/Files.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return tk::cli::RunBatch(args, tk::ProgramFolder(), std::cout, std::cerr);
}
