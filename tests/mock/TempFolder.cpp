#include "mock/TempFolder.h"

#include "platform/Path.h"

#include <unistd.h>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace fs = std::filesystem;

namespace tk::test {

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  std::ostringstream name;
  name << "tomekit-test-" << ::getpid() << "-" << counter++;
  fs::path p = fs::temp_directory_path() / name.str();
  fs::remove_all(p);
  fs::create_directories(p);
  path_ = p.string();
}

TempFolder::~TempFolder() {
  std::error_code ec;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(path_, ec);
}

std::string TempFolder::file(const std::string& name) const { return JoinPath(path_, name); }

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string DataFile(const std::string& name) { return JoinPath(TOMEKIT_TEST_DATA, name); }

}  // namespace tk::test
