// Palm Desktop's list of users, a file of another program's: whatever it
// holds, a list read from it has users of one folder each, and written again
// in the same layout it reads back the same.
#include "fields/PalmDesktop.h"
#include "fuzz/Check.h"
#include "platform/Charset.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

using namespace tk;
using tk::fuzz::Check;

void PutNumber(std::string& out, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

void PutText(std::string& out, const std::string& utf8) {
  const std::string text = Windows1252OfUtf8(utf8);
  out += static_cast<char>(text.size());
  out += text;
}

std::string Written(const std::vector<PalmDesktopUser>& users) {
  std::string out;
  PutNumber(out, static_cast<std::uint32_t>(users.size()), 2);
  static constexpr char kUsersClass[] =
      "\xFF\xFF\x01\x00\x05\x00"
      "CUser";
  out.append(kUsersClass, sizeof kUsersClass - 1);
  for (std::size_t i = 0; i < users.size(); ++i) {
    if (i > 0) out += "\x01\x80";
    PutNumber(out, static_cast<std::uint32_t>(std::stoul(users[i].id)), 4);
    PutText(out, users[i].name);
    PutText(out, users[i].folder);
    out += '\0';
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto users = ParsePalmDesktopUsers(bytes);
  if (!users) return 0;
  for (const PalmDesktopUser& user : *users) {
    Check(!user.name.empty() && !user.folder.empty(), "a user without a name or folder");
    Check(user.folder != "." && user.folder != "..", "a folder leading out");
    Check(user.folder.find_first_of("/\\:") == std::string::npos, "a folder of more than one");
  }
  const auto again = ParsePalmDesktopUsers(Written(*users));
  Check(again.has_value() && again->size() == users->size(), "the list written again is refused");
  for (std::size_t i = 0; i < users->size(); ++i) {
    const PalmDesktopUser &a = (*users)[i], &b = (*again)[i];
    Check(a.name == b.name && a.id == b.id && a.folder == b.folder, "a user reads back changed");
  }
  return 0;
}
