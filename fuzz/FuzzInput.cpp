#include "fuzz/FuzzInput.h"

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace tk::fuzz {

namespace {

// Removes the folder when the run ends normally, so nothing is left behind
// in shared memory.
struct Scratch {
  std::string path;
  ~Scratch() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
};

}  // namespace

const std::string& ScratchFolder() {
  namespace fs = std::filesystem;
  static const Scratch scratch = [] {
    // scripts/fuzz.sh names a folder it removes afterwards: libFuzzer ends a
    // timed run without running exit handlers.
    const char* given = std::getenv("TOMEKIT_FUZZ_SCRATCH");
    const fs::path base = given && *given          ? fs::path(given)
                          : fs::exists("/dev/shm") ? fs::path("/dev/shm")
                                                   : fs::temp_directory_path();
    const fs::path dir = base / ("tomekit-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return Scratch{dir.string()};
  }();
  return scratch.path;
}

std::string WriteInput(const std::string& name, const std::uint8_t* data, std::size_t size) {
  std::string path = ScratchFolder() + "/" + name;
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return path;
}

}  // namespace tk::fuzz
