#pragma once
// A fresh folder for one test, removed with everything in it afterwards, and
// whole files as bytes.
#include "platform/Path.h"
#include "platform/Utf8Path.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>

namespace tk::test {

class TempFolder {
public:
  // A new name until one is free: create_directory fails on an existing one.
  TempFolder() {
    std::random_device random;
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
      const auto name = "tomekit-test-" + std::to_string(random());
      const auto candidate = std::filesystem::temp_directory_path() / name;
      std::error_code ec;
      if (std::filesystem::create_directory(candidate, ec)) path_ = Utf8FromPath(candidate);
    }
    if (path_.empty()) throw std::runtime_error("no temporary folder");
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

// Empty when missing.
inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}
inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}
#ifdef TOMEKIT_TEST_DATA
// A file of tests/data; only the test programs are told where that is.
inline std::string DataFile(const std::string& name) { return JoinPath(TOMEKIT_TEST_DATA, name); }
#endif

}  // namespace tk::test
