#pragma once
// A fresh folder for one test, removed with everything in it afterwards, and
// whole files as bytes.
#include "platform/Path.h"
#include "platform/Utf8Path.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>

namespace tk::test {

class TempFolder {
public:
  // 64 random bits make a name no other test holds; create_directory is false
  // on an existing one.
  TempFolder() {
    std::random_device random;
    const auto name = "tomekit-test-" + std::to_string(random()) + "-" + std::to_string(random());
    const auto folder = std::filesystem::temp_directory_path() / name;
    if (!std::filesystem::create_directory(folder)) throw std::runtime_error("no temporary folder");
    path_ = Utf8FromPath(folder);
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return JoinPath(path_, name); }

private:
  std::string path_;
};

// Empty when missing. Paths are UTF-8, as everywhere in the program, opened
// as the program opens them: a name that is no UTF-8 (a test's Windows-1252
// name) must not throw.
inline std::string ReadBytes(const std::string& path) {
  std::string bytes;
  std::FILE* file = OpenFile(path, "rb");
  if (!file) return bytes;
  char buffer[1 << 16];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
    bytes.append(buffer, got);
  std::fclose(file);
  return bytes;
}
inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::FILE* file = OpenFile(path, "wb");
  if (!file) return;
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::fclose(file);
}
#ifdef TOMEKIT_TEST_DATA
// A file of tests/data; only the test programs are told where that is.
inline std::string DataFile(const std::string& name) { return JoinPath(TOMEKIT_TEST_DATA, name); }
#endif

}  // namespace tk::test
