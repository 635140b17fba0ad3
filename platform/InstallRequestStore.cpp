#include "platform/InstallRequestStore.h"

#include "platform/Environment.h"
#include "platform/Files.h"
#include "platform/IniFile.h"
#include "platform/Path.h"

#ifdef _WIN32
#include "platform/WideText.h"

#include "platform/WindowsApi.h"
#endif

namespace tk {
namespace {

#ifdef _WIN32
InstallStoreResult SetRegistryValue(const std::string& keyPath, const std::string& valueName,
                                    std::uint32_t value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, WideFromUtf8(keyPath).c_str(), 0, nullptr,
                      REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) != ERROR_SUCCESS) {
    return InstallStoreResult::KeyNotOpened;
  }
  DWORD data = value;
  LONG status = RegSetValueExW(key, WideFromUtf8(valueName).c_str(), 0, REG_DWORD,
                               reinterpret_cast<const BYTE*>(&data), sizeof data);
  RegCloseKey(key);
  return status == ERROR_SUCCESS ? InstallStoreResult::Ok : InstallStoreResult::ValueNotSet;
}

std::optional<std::uint32_t> RegistryValue(const std::string& keyPath,
                                           const std::string& valueName) {
  DWORD data = 0;
  DWORD size = sizeof data;
  if (RegGetValueW(HKEY_CURRENT_USER, WideFromUtf8(keyPath).c_str(),
                   WideFromUtf8(valueName).c_str(), RRF_RT_REG_DWORD, nullptr, &data,
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return static_cast<std::uint32_t>(data);
}

std::optional<std::string> RegistryText(const std::string& keyPath, const std::string& valueName) {
  const std::wstring key = WideFromUtf8(keyPath);
  const std::wstring name = WideFromUtf8(valueName);
  DWORD size = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr,
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr,
                   text.data(), &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  text.resize(wcsnlen(text.c_str(), text.size()));
  return Utf8FromWide(text);
}
#endif

}  // namespace

InstallRequestStore::InstallRequestStore() : file_(DefaultFileLocation()) {}

InstallRequestStore::InstallRequestStore(std::string filePath) : file_(std::move(filePath)) {}

bool InstallRequestStore::readByHotSync() const {
#ifdef _WIN32
  return file_.empty();
#else
  return false;
#endif
}

std::string InstallRequestStore::DefaultFileLocation() {
  std::string chosen = EnvironmentValue("TOMEKIT_INSTALL_STORE");
  if (!chosen.empty()) return chosen;
#ifdef _WIN32
  return std::string();  // the registry itself
#endif
  std::string config = EnvironmentValue("XDG_CONFIG_HOME");
  if (config.empty()) {
    std::string home = EnvironmentValue("HOME");
    if (home.empty()) return std::string();
    config = JoinPath(home, ".config");
  }
  return JoinPath(JoinPath(config, "tomekit"), "hotsync-install.ini");
}

InstallStoreResult InstallRequestStore::setValue(const std::string& keyPath,
                                                 const std::string& valueName,
                                                 std::uint32_t value) {
#ifdef _WIN32
  if (file_.empty()) return SetRegistryValue(keyPath, valueName, value);
#endif
  if (file_.empty()) return InstallStoreResult::KeyNotOpened;
  std::string folder = ExtractFilePath(file_);
  if (!folder.empty() && !CreateFolders(folder)) return InstallStoreResult::KeyNotOpened;
  if (!IniFile(file_).writeString(keyPath, valueName, std::to_string(value))) {
    return InstallStoreResult::ValueNotSet;
  }
  return InstallStoreResult::Ok;
}

std::optional<std::uint32_t> InstallRequestStore::value(const std::string& keyPath,
                                                        const std::string& valueName) const {
#ifdef _WIN32
  if (file_.empty()) return RegistryValue(keyPath, valueName);
#endif
  if (file_.empty()) return std::nullopt;
  const std::optional<std::string> saved = text(keyPath, valueName);
  std::int32_t number = 0;
  if (!saved || !ParseIniInteger(*saved, number)) return std::nullopt;
  return static_cast<std::uint32_t>(number);
}

std::optional<std::string> InstallRequestStore::text(const std::string& keyPath,
                                                     const std::string& valueName) const {
#ifdef _WIN32
  if (file_.empty()) return RegistryText(keyPath, valueName);
#endif
  if (file_.empty()) return std::nullopt;
  // No text value can hold a line break, so it marks one that is absent.
  const std::string absent = "\n";
  std::string saved = IniFile(file_).readString(keyPath, valueName, absent);
  if (saved == absent) return std::nullopt;
  return saved;
}

}  // namespace tk
