#pragma once
// Inside the program every path is UTF-8 text. The system is reached through
// std::filesystem::path, which on Windows holds UTF-16: the narrow functions
// there would read the text in the ANSI code page and lose any letter
// outside it.
#include <cstdio>
#include <filesystem>
#include <string>

namespace tk {

std::string Utf8FromPath(const std::filesystem::path& path);
// std::fopen for a UTF-8 path.
std::FILE* OpenFile(const std::string& utf8Path, const char* mode);

}  // namespace tk
