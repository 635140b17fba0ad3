#include "fuzz/FuzzInput.h"

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace tk::fuzz {

namespace {

// Kept on the heap and never freed, so the exit handler can still use it
// after the function-local statics are gone.
const std::string* gScratch = nullptr;

void RemoveScratch() {
  std::error_code ec;
  if (gScratch) std::filesystem::remove_all(*gScratch, ec);
}

}  // namespace

const std::string& ScratchFolder() {
  if (!gScratch) {
    namespace fs = std::filesystem;
    // scripts/fuzz.sh names a folder it removes afterwards: libFuzzer ends a
    // timed run without running exit handlers.
    const char* given = std::getenv("TOMEKIT_FUZZ_SCRATCH");
    fs::path base = given && *given          ? fs::path(given)
                    : fs::exists("/dev/shm") ? fs::path("/dev/shm")
                                             : fs::temp_directory_path();
    fs::path dir = base / ("tomekit-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    gScratch = new std::string(dir.string());
    // Leave nothing behind in shared memory when the run ends normally.
    std::atexit(RemoveScratch);
  }
  return *gScratch;
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
