#pragma once
// A settings file in the Windows INI layout, read and written one key at a
// time. Every call goes to the file itself (there is no cache), so a value
// written is on disk before the call returns.
//
// Layout: "[Section]" lines and "Key=Value" lines. Section and key names
// match without regard to case; blanks around names and values are not part
// of them; a line starting with ';' is a comment. Values are stored as they
// stand (no escaping). Writing changes only the line of the key (or adds
// one): comments, other sections, key order and blank lines stay
// byte-for-byte. Lines written end in CR LF; LF alone is accepted on reading.
#include <cstdint>
#include <string>

namespace tk {

class IniFile {
public:
  // At most this many characters of a value are read.
  static constexpr std::size_t kMaxValueLength = 2047;

  explicit IniFile(std::string path);

  const std::string& path() const { return path_; }

  // The key's value; fallback when the file, the section or the key is
  // absent. A key present with nothing after '=' reads as "".
  std::string readString(const std::string& section, const std::string& key,
                         const std::string& fallback) const;
  // Text beginning with 0x or 0X and longer than two characters is read as
  // hexadecimal, any other as decimal; fallback when absent or not a number.
  std::int32_t readInteger(const std::string& section, const std::string& key,
                           std::int32_t fallback) const;

  // Set the key, creating the file, section or key as needed; false when
  // it can't, and then the file is left as it was.
  [[nodiscard]] bool writeString(const std::string& section, const std::string& key,
                                 const std::string& value);
  [[nodiscard]] bool writeInteger(const std::string& section, const std::string& key,
                                  std::int32_t value);
  // The absolute path, as messages name the file.
  std::string fullPath() const;

private:
  std::string path_;
};

// The INI rule for integer text; false when it isn't one.
bool ParseIniInteger(const std::string& text, std::int32_t& value);

}  // namespace tk
