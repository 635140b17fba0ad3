// jconv5: builds JFile 5 databases from Tomekit's CSV + IFO and turns JFile
// databases back into CSV. See jconv5/pdb/CommandLine.h for the contract.
#include "jconv5/pdb/CommandLine.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
// The wide command line, so that paths outside the ANSI code page arrive
// intact; inside, everything is UTF-8.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    const std::u8string text = std::filesystem::path(argv[i]).u8string();
    args.emplace_back(text.begin(), text.end());
  }
  return jconv5::RunJconv5(args, std::cerr);
}
#else
int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return jconv5::RunJconv5(args, std::cerr);
}
#endif
