#pragma once
// Path primitives with the platform's separators: backslash and colon on
// Windows, the slash elsewhere. Pure text operations; nothing touches disk.
#include <string>
#include <string_view>

namespace tk {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

bool IsPathSeparator(char c);

// Text after the last separator (the whole path if there is none).
std::string ExtractFileName(std::string_view path);
// Text up to and including the last separator (empty if there is none).
std::string ExtractFilePath(std::string_view path);
// From the last dot after the last separator, dot included; else empty.
std::string ExtractFileExt(std::string_view path);
// Replaces the extension (see ExtractFileExt) or appends newExt when there is
// none; an empty newExt removes the extension.
std::string ChangeFileExt(std::string_view path, std::string_view newExt);
// A path that names one place wherever the program starts: "/..." on POSIX,
// "C:\...", "\\server\..." or "\..." on Windows. Not empty, relative,
// quoted or "~".
bool IsFullPath(std::string_view path);
// folder + separator + name.
std::string JoinPath(std::string_view folder, std::string_view name);

}  // namespace tk
