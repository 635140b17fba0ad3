#include "platform/Path.h"

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

}  // namespace tk
