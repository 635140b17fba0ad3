// jconv5: builds JFile 5 databases from Tomekit's CSV + IFO and turns JFile
// databases back into CSV. See jconv5/pdb/CommandLine.h for the contract.
#include "jconv5/pdb/CommandLine.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// The database name arrives as characters; the PDB holds their Palm Latin,
// which is Windows-1252.
std::string PalmLatinOf(const std::string& utf8) {
  const std::wstring wide =
      std::filesystem::path(std::u8string(utf8.begin(), utf8.end())).wstring();
  const int size = static_cast<int>(wide.size());
  std::string bytes(WideCharToMultiByte(1252, 0, wide.data(), size, nullptr, 0, nullptr, nullptr),
                    '\0');
  WideCharToMultiByte(1252, 0, wide.data(), size, bytes.data(), static_cast<int>(bytes.size()),
                      nullptr, nullptr);
  return bytes;
}

// The wide command line, so that paths outside the ANSI code page arrive
// intact; inside, everything is UTF-8.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    const std::u8string text = std::filesystem::path(argv[i]).u8string();
    args.emplace_back(text.begin(), text.end());
  }
  return jconv5::RunJconv5(args, std::cerr, PalmLatinOf);
}
#else
int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return jconv5::RunJconv5(args, std::cerr);
}
#endif
