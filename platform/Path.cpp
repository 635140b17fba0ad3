#include "platform/Path.h"

#include <cctype>

namespace tk {
namespace {

std::string_view::size_type LastSeparator(std::string_view path) {
  for (auto i = path.size(); i-- > 0;) {
    if (IsPathSeparator(path[i])) return i;
  }
  return std::string_view::npos;
}

std::string_view::size_type ExtensionStart(std::string_view path) {
  for (auto i = path.size(); i-- > 0;) {
    if (path[i] == '.') return i;
    if (IsPathSeparator(path[i])) break;
  }
  return std::string_view::npos;
}

}  // namespace

bool IsPathSeparator(char c) {
#ifdef _WIN32
  return c == '\\' || c == ':' || c == '/';
#else
  return c == '/';
#endif
}

std::string ExtractFileName(std::string_view path) {
  auto sep = LastSeparator(path);
  return std::string(sep == std::string_view::npos ? path : path.substr(sep + 1));
}

std::string ExtractFilePath(std::string_view path) {
  auto sep = LastSeparator(path);
  return sep == std::string_view::npos ? std::string() : std::string(path.substr(0, sep + 1));
}

std::string ExtractFileExt(std::string_view path) {
  auto dot = ExtensionStart(path);
  return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

std::string ChangeFileExt(std::string_view path, std::string_view newExt) {
  auto dot = ExtensionStart(path);
  std::string result(dot == std::string_view::npos ? path : path.substr(0, dot));
  result += newExt;
  return result;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string result(folder);
  result += kPathSeparator;
  result += name;
  return result;
}

bool IsFullPath(std::string_view path) {
#ifdef _WIN32
  // A rooted "\refs" names one place on the current drive, as a share does.
  const bool drive = path.size() >= 3 && std::isalpha(static_cast<unsigned char>(path[0])) &&
                     path[1] == ':' && (path[2] == '\\' || path[2] == '/');
  const bool rooted = !path.empty() && (path[0] == '\\' || path[0] == '/');
  return drive || rooted;
#else
  return !path.empty() && path.front() == '/';
#endif
}

}  // namespace tk
