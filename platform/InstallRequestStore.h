#pragma once
// Per-user values under a key path: where the HotSync Manager looks for
// install requests, and where Palm Desktop says where its users' folders are. On Windows this is
// the registry under the current user. Elsewhere there is no registry, so the values live in a
// small INI file of our own: the section is the key path, the key the value name, the value its
// decimal text (or the text itself). The file is
//   $TOMEKIT_INSTALL_STORE, if set (on Windows too, so tests and trials
//   leave the registry alone); else
//   $XDG_CONFIG_HOME/tomekit/hotsync-install.ini; else
//   $HOME/.config/tomekit/hotsync-install.ini.
#include <cstdint>
#include <optional>
#include <string>

namespace tk {

enum class InstallStoreResult {
  Ok,
  KeyNotOpened,  // the key (or the store's folder) couldn't be opened or created
  ValueNotSet,   // the key opened but the value couldn't be written
};

class InstallRequestStore {
public:
  // The current user's store (the registry on Windows).
  InstallRequestStore();
  // A store kept in the given file, on any platform.
  explicit InstallRequestStore(std::string filePath);

  // The file behind the store; empty for the registry.
  const std::string& location() const { return file_; }
  // Whether a HotSync Manager reads the store: only the registry's is read;
  // a file of our own waits for nobody.
  bool readByHotSync() const;

  InstallStoreResult setValue(const std::string& keyPath, const std::string& valueName,
                              std::uint32_t value);
  std::optional<std::uint32_t> value(const std::string& keyPath,
                                     const std::string& valueName) const;
  // A text value (in UTF-8); nothing when it is absent or no text.
  std::optional<std::string> text(const std::string& keyPath, const std::string& valueName) const;

  // Where the per-user file lives when nothing is said; on Windows empty
  // (the registry) unless $TOMEKIT_INSTALL_STORE names a file.
  static std::string DefaultFileLocation();

private:
  std::string file_;
};

}  // namespace tk
