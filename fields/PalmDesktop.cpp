#include "fields/PalmDesktop.h"

#include "fields/FieldsTexts.h"
#include "platform/Files.h"
#include "platform/Path.h"
#include "platform/WideText.h"

#include <algorithm>
#include <cstdint>

namespace tk {
namespace {

constexpr std::string_view kNextUserTag = "\x01\x80";

// Reads users.dat from the front; every read checks the bytes are there.
class UsersFileReader {
public:
  explicit UsersFileReader(std::string_view bytes) : bytes_(bytes) {}

  std::optional<std::uint32_t> number(std::size_t size) {
    if (bytes_.size() - at_ < size) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = size; i-- > 0;) {
      value = value << 8 | static_cast<unsigned char>(bytes_[at_ + i]);
    }
    at_ += size;
    return value;
  }
  bool skip(std::size_t size) {
    if (bytes_.size() - at_ < size) return false;
    at_ += size;
    return true;
  }
  // A name of printable characters. A length byte of FF would bring a
  // 16-bit length: no name on a handheld is that long.
  std::optional<std::string> text() {
    constexpr std::uint32_t kLongTextMark = 0xFF;
    const std::optional<std::uint32_t> length = number(1);
    if (!length || *length == 0 || *length == kLongTextMark || bytes_.size() - at_ < *length)
      return std::nullopt;
    const std::string_view raw = bytes_.substr(at_, *length);
    if (std::any_of(raw.begin(), raw.end(), [](char c) {
          const auto byte = static_cast<unsigned char>(c);
          return byte < 0x20 || byte == 0x7F;
        })) {
      return std::nullopt;
    }
    at_ += *length;
    return Utf8OfAnsiText(raw);
  }
  bool skipPast(std::string_view tag) {
    const std::size_t found = bytes_.find(tag, at_);
    if (found == std::string_view::npos) return false;
    at_ = found + tag.size();
    return true;
  }

private:
  std::string_view bytes_;
  std::size_t at_ = 0;
};

bool SkipFirstUsersClass(UsersFileReader& in) {
  const auto newClass = in.number(2);
  const auto schema = in.number(2);
  const auto nameLength = in.number(2);
  return newClass == 0xFFFFu && schema && nameLength && in.skip(*nameLength);
}

// A folder name that stays inside Palm Desktop's folder.
bool IsOneFolderName(std::string_view name) {
  return name != "." && name != ".." && name.find_first_of("/\\:") == std::string_view::npos;
}

std::optional<PalmDesktopUser> ReadUser(UsersFileReader& in) {
  const auto id = in.number(4);
  auto name = in.text();
  auto folder = in.text();
  if (!id || !name || !folder || !IsOneFolderName(*folder)) return std::nullopt;
  return PalmDesktopUser{std::move(*name), std::to_string(*id), std::move(*folder)};
}

std::string UsersFilePath(const std::string& desktopFolder) {
  return JoinPath(desktopFolder, "users.dat");
}

void ReadUsersFile(PalmDesktop& desktop) {
  const std::string path = UsersFilePath(desktop.folder);
  // Palm Desktop before its first user has no list yet: nothing to offer.
  if (!FileExists(path)) return;
  std::string bytes;
  std::optional<std::vector<PalmDesktopUser>> users;
  if (ReadFileBytes(path, bytes)) users = ParsePalmDesktopUsers(bytes);
  if (users) {
    desktop.users = std::move(*users);
  } else {
    desktop.problem = PalmDesktopUsersUnreadText(path);
  }
}

}  // namespace

std::optional<std::vector<PalmDesktopUser>> ParsePalmDesktopUsers(std::string_view bytes) {
  UsersFileReader in(bytes);
  const std::optional<std::uint32_t> count = in.number(2);
  if (!count) return std::nullopt;
  std::vector<PalmDesktopUser> users;
  if (*count == 0) return users;
  if (!SkipFirstUsersClass(in)) return std::nullopt;
  for (std::uint32_t i = 0; i < *count; ++i) {
    if (i > 0 && !in.skipPast(kNextUserTag)) return std::nullopt;
    std::optional<PalmDesktopUser> user = ReadUser(in);
    if (!user) return std::nullopt;
    users.push_back(std::move(*user));
  }
  return users;
}

PalmDesktop FindPalmDesktop(const InstallRequestStore& store) {
  PalmDesktop desktop;
  const std::optional<std::string> folder = store.text(kPalmDesktopCoreKeyPath, "Path");
  if (!folder || !IsFullPath(*folder)) return desktop;
  desktop.folder = *folder;
  desktop.lastUserName =
      store.text(kPalmDesktopPreferencesKeyPath, "LastUserName").value_or(std::string());
  ReadUsersFile(desktop);
  return desktop;
}

const PalmDesktopUser* DefaultPalmDesktopUser(const PalmDesktop& desktop) {
  if (desktop.users.empty()) return nullptr;
  const auto last = std::find_if(desktop.users.begin(), desktop.users.end(), [&](const auto& user) {
    return user.name == desktop.lastUserName;
  });
  return last != desktop.users.end() ? &*last : &desktop.users.front();
}

const PalmDesktopUser* PalmDesktopUserWithId(const PalmDesktop& desktop, std::string_view id) {
  const auto found = std::find_if(desktop.users.begin(), desktop.users.end(),
                                  [&](const auto& user) { return user.id == id; });
  return found != desktop.users.end() ? &*found : nullptr;
}

std::string InstallFolderOf(const PalmDesktop& desktop, const PalmDesktopUser& user) {
  return JoinPath(JoinPath(desktop.folder, user.folder), "Install");
}

}  // namespace tk
