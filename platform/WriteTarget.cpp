#include "platform/WriteTarget.h"

#include "platform/Utf8Path.h"

#ifdef _WIN32
#include "platform/WindowsApi.h"
#else
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace tk {
namespace {

// As many links as the system itself follows before it gives up.
constexpr int kMaxLinks = 40;

bool UserMayWrite(const fs::path& path) {
#ifdef _WIN32
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) == 0;
#else
  return ::access(path.c_str(), W_OK) == 0;
#endif
}

}  // namespace

std::string FinalTarget(const std::string& path) {
  fs::path current = fs::u8path(path);
  std::error_code ec;
  for (int hop = 0; hop < kMaxLinks && fs::is_symlink(current, ec); ++hop) {
    const fs::path next = fs::read_symlink(current, ec);
    if (ec) break;
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  return Utf8FromPath(current);
}

std::optional<WriteTarget> ResolveWriteTarget(const std::string& path, bool followLinks) {
  WriteTarget target{followLinks ? FinalTarget(path) : path, std::nullopt};
  std::error_code ec;
  const fs::file_status status = fs::symlink_status(fs::u8path(target.path), ec);
  if (fs::is_symlink(status)) {
    if (followLinks) return std::nullopt;
    return target;
  }
  if (!fs::exists(status)) return target;
  // A FIFO or device renamed over would be gone, and a folder can't be.
  if (!fs::is_regular_file(status)) return std::nullopt;
  if (!UserMayWrite(fs::u8path(target.path))) return std::nullopt;
  target.perms = status.permissions();
  return target;
}

}  // namespace tk
