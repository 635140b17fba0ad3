// The INI settings file: every key the program reads, then one of them
// written (chosen by the first bytes). The key must read back as written and
// every other key must keep its value.
#include "fuzz/FuzzState.h"
#include "platform/IniFile.h"
#include "platform/Text.h"

#include <iterator>

namespace {

struct Key {
  const char *section, *key;
};

// The settings file's keys (one mode's folder key standing for the others),
// and a few spellings that differ only in case.
constexpr Key kKeys[] = {
    {"UserInfo", "PalmOutPath"}, {"UserInfo", "PalmInPath"}, {"UserInfo", "userHSCode"},
    {"UserInfo", "progMode"},    {"UserInfo", "ENPath"},     {"Tomekit", "ProgMode"},
    {"tomekit", "progmode"},     {"USERINFO", "palminpath"}, {"New", "Key"}};
constexpr std::size_t kKeyCount = std::size(kKeys);

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tk::fuzz;
  ClearScratch();
  Controls controls{data, size};
  const Key& chosen = kKeys[controls.next() % kKeyCount];
  std::string value;
  for (std::uint8_t n = controls.next() % 9; n > 0; --n)
    value += static_cast<char>('a' + controls.next() % 26);
  tk::IniFile ini(WriteInput("tomekit.INI", data, size));
  // A key's text and its number, as read now.
  auto read = [&ini](const Key& k) {
    const std::string text = ini.readString(k.section, k.key, "<absent>");
    Check(text.size() <= tk::IniFile::kMaxValueLength, "value longer than the limit");
    return text + "|" + std::to_string(ini.readInteger(k.section, k.key, -7));
  };
  std::string before[kKeyCount];
  for (std::size_t i = 0; i < kKeyCount; ++i) before[i] = read(kKeys[i]);
  Check(ini.writeString(chosen.section, chosen.key, value),
        "a readable settings file could not be written");
  CheckNoPartFiles();
  Check(ini.readString(chosen.section, chosen.key, "<absent>") == value,
        "the key does not read back as written");
  for (std::size_t i = 0; i < kKeyCount; ++i) {
    const bool same = tk::EqualsIgnoreCase(kKeys[i].section, chosen.section) &&
                      tk::EqualsIgnoreCase(kKeys[i].key, chosen.key);
    Check(same || read(kKeys[i]) == before[i], "writing one key changed another");
  }
  return 0;
}
