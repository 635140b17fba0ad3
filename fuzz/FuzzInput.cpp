#include "fuzz/FuzzInput.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace tk::fuzz {

const std::string& ScratchFolder() {
  static const std::string folder = [] {
    namespace fs = std::filesystem;
    fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    fs::path dir = base / ("tomekit-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return dir.string();
  }();
  return folder;
}

std::string WriteInput(const std::string& name, const std::uint8_t* data, std::size_t size) {
  std::string path = ScratchFolder() + "/" + name;
  if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
    if (size > 0) std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  return path;
}

}  // namespace tk::fuzz
