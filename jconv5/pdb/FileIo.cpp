#include "jconv5/pdb/FileIo.h"

#include "jconv5/pdb/Failure.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

namespace fs = std::filesystem;

namespace jconv5 {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::string Reason() { return std::strerror(errno); }

// Paths are UTF-8; the narrow fopen on Windows would read them in the ANSI
// code page.
std::FILE* Open(const std::string& path, const char* mode) {
#ifdef _WIN32
  const std::string modeText(mode);
  return _wfopen(fs::u8path(path).c_str(), std::wstring(modeText.begin(), modeText.end()).c_str());
#else
  return std::fopen(path.c_str(), mode);
#endif
}

bool IsSeparator(char c) {
#ifdef _WIN32
  return c == '\\' || c == '/' || c == ':';
#else
  return c == '/';
#endif
}

}  // namespace

std::string ReadWholeFile(const std::string& path, const std::string& what) {
  std::error_code ec;
  if (fs::is_directory(fs::u8path(path), ec))
    throw Failure(what + ": " + path + " is a folder, not a file");
  FileHandle file(Open(path, "rb"));
  if (!file) throw Failure(what + ": cannot open " + path + " (" + Reason() + ")");
  std::string bytes;
  char buffer[1 << 16];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, got);
  if (std::ferror(file.get()))
    throw Failure(what + ": cannot read " + path + " (" + Reason() + ")");
  return bytes;
}

void WriteWholeFile(const std::string& path, std::string_view bytes) {
  const std::string part = path + ".jconv5-part";
  std::error_code ec;
  if (fs::is_directory(fs::u8path(path), ec))
    throw Failure("cannot write the output " + path + ": a folder has that name");
  FileHandle file(Open(part, "wb"));
  if (!file) throw Failure("cannot create the output file " + part + " (" + Reason() + ")");
  // The reason of the first call that failed: errno of a later call, or of
  // one that succeeded, would name the wrong cause.
  std::string reason;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) reason = Reason();
  if (std::fflush(file.get()) != 0 && reason.empty()) reason = Reason();
  if (std::fclose(file.release()) != 0 && reason.empty()) reason = Reason();
  if (reason.empty()) {
    fs::rename(fs::u8path(part), fs::u8path(path), ec);
    if (ec) reason = ec.message();
  }
  if (!reason.empty()) {
    fs::remove(fs::u8path(part), ec);
    throw Failure("cannot write the output file " + path + " (" + reason + ")");
  }
}

std::string FolderOf(const std::string& path) {
  std::size_t end = path.size();
  while (end > 0 && !IsSeparator(path[end - 1])) --end;
  return path.substr(0, end);
}

}  // namespace jconv5
