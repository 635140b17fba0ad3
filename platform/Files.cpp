#include "platform/Files.h"

#include "platform/FileAppend.h"
#include "platform/NameLength.h"
#include "platform/Path.h"
#include "platform/Utf8Path.h"
#include "platform/WriteTarget.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include "platform/WideText.h"

#include "platform/WindowsApi.h"
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace tk {

namespace {

// Called straight after the failing call, before anything can change errno.
std::string ErrnoReason() { return std::strerror(errno); }

}  // namespace

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(fs::u8path(path), ec);
}

bool IsLink(const std::string& path) {
#ifdef _WIN32
  // Junctions and mount points lead elsewhere as symbolic links do.
  const DWORD attributes = GetFileAttributesW(WideFromUtf8(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
#else
  std::error_code ec;
  return fs::is_symlink(fs::symlink_status(fs::u8path(path), ec));
#endif
}

FileKind KindOfFile(const std::string& path) {
  std::error_code ec;
  const fs::file_status status = fs::status(fs::u8path(path), ec);
  switch (status.type()) {
    case fs::file_type::not_found:
    case fs::file_type::none:
      return FileKind::Missing;
    case fs::file_type::regular:
      return FileKind::Regular;
    case fs::file_type::directory:
      return FileKind::Folder;
    case fs::file_type::fifo:
    case fs::file_type::socket:
      return FileKind::Stream;
    default:
      return FileKind::Device;
  }
}

std::string_view FileKindText(FileKind kind) {
  switch (kind) {
    case FileKind::Missing:
      return "missing";
    case FileKind::Regular:
      return "a regular file";
    case FileKind::Folder:
      return "a folder";
    case FileKind::Stream:
      return "a FIFO or pipe";
    case FileKind::Device:
      break;
  }
  return "a device";
}

bool FolderExists(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(fs::u8path(path), ec);
}

bool CreateFolders(const std::string& path) {
  std::error_code ec;
  fs::create_directories(fs::u8path(path), ec);
  return FolderExists(path);
}

bool RemoveFile(const std::string& path) {
  std::error_code ec;
  return fs::remove(fs::u8path(path), ec);
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(fs::u8path(folder), ec)) {
    std::error_code entryError;
    if (!entry.is_directory(entryError)) names.push_back(Utf8FromPath(entry.path().filename()));
  }
  return names;
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return fs::equivalent(fs::u8path(a), fs::u8path(b), ec);
}

bool CopyFileBytes(const std::string& from, const std::string& to) {
  std::string failure;
  return CopyFileBytes(from, to, failure);
}

bool CopyFileBytes(const std::string& from, const std::string& to, std::string& failure) {
  InputFile in;
  if (!in.open(from)) {
    failure = "cannot read " + from + " (" + ErrnoReason() + ")";
    return false;
  }
  OutputFile out;
  if (!out.open(to)) {
    failure = out.failure();
    return false;
  }
  for (int c = in.get(); c >= 0; c = in.get()) out.put(static_cast<char>(c));
  if (in.failed()) {
    failure = "cannot read " + from + " (" + ErrnoReason() + ")";
    return false;
  }
  if (out.commit()) return true;
  failure = out.failure();
  return false;
}

void RemoveFilesStartingWith(const std::string& folder, const std::string& prefix) {
  std::error_code ec;
  for (fs::directory_iterator it(fs::u8path(folder), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = Utf8FromPath(it->path().filename());
    if (name.compare(0, prefix.size(), prefix) == 0) RemoveFile(Utf8FromPath(it->path()));
  }
}

std::string ProgramPath() {
#ifdef _WIN32
  // Long paths may exceed MAX_PATH; grow until the name fits.
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return std::string();
    if (n < buffer.size()) return Utf8FromWide(std::wstring_view(buffer.data(), n));
    buffer.resize(buffer.size() * 2);
  }
#else
  std::error_code ec;
  auto path = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : Utf8FromPath(path);
#endif
}

std::string ProgramFolder() {
  std::string folder = ExtractFilePath(ProgramPath());
  if (!folder.empty()) folder.pop_back();
  return folder;
}

bool ReadTextLines(const std::string& path, std::vector<std::string>& lines) {
  InputFile in;
  if (!in.open(path)) return false;
  lines.clear();
  std::string line;
  bool pending = false;
  for (int c = in.get(); c >= 0;) {
    if (c != '\r' && c != '\n') {
      line += static_cast<char>(c);
      pending = true;
      c = in.get();
      continue;
    }
    lines.push_back(std::move(line));
    line.clear();
    pending = false;
    // The byte after a CR may end a line of its own, unless it completes CR LF.
    const int next = in.get();
    c = (c == '\r' && next == '\n') ? in.get() : next;
  }
  if (pending) lines.push_back(std::move(line));
  return !in.failed();
}

bool ReadFileBytes(const std::string& path, std::string& bytes) {
  InputFile in;
  if (!in.open(path) || in.kind() != FileKind::Regular) return false;
  bytes.clear();
  for (std::string_view chunk = in.buffered(); !chunk.empty(); chunk = in.buffered()) {
    bytes += chunk;
    in.consume(chunk.size());
  }
  return !in.failed();
}

// ---- OutputFile

namespace {

constexpr std::string_view kPartSuffix = ".tk-part";

// FNV-1a: short, stable from run to run, and enough to tell names apart.
std::uint32_t NameDigest(std::string_view name) {
  std::uint32_t digest = 2166136261u;
  for (const char c : name) digest = (digest ^ static_cast<unsigned char>(c)) * 16777619u;
  return digest;
}

// Set before anything is written, so a private file's text is never open to
// more users than before. A temporary that is a link is not followed: the
// bits belong to the file replaced, not to whatever the link names.
void KeepPermissions(const std::string& temp, fs::perms perms) {
  std::error_code ec;
  fs::permissions(fs::u8path(temp), perms, fs::perm_options::replace | fs::perm_options::nofollow,
                  ec);
}

// The temporary file, opened for writing. A leftover in its place that is a
// link to a file or a folder is removed first, so nobody's file is written
// through it; a link to a device (the tests' full disk) is written to.
std::FILE* OpenTemporary(const std::string& path) {
  if (IsLink(path) && KindOfFile(path) != FileKind::Device) RemoveFile(path);
  return OpenFile(path, "wb");
}

}  // namespace

std::string PartFileOf(const std::string& target) {
  const std::string name = ExtractFileName(target);
  if (FileNameLength(name) + kPartSuffix.size() <= kMaxFileNameLength) {
    return target + std::string(kPartSuffix);
  }
  char digest[16];
  std::snprintf(digest, sizeof digest, "~%08x", static_cast<unsigned>(NameDigest(name)));
  const std::size_t room = kMaxFileNameLength - kPartSuffix.size() - std::strlen(digest);
  return ExtractFilePath(target) + std::string(FileNameStart(name, room)) + digest +
         std::string(kPartSuffix);
}

OutputFile::~OutputFile() { discard(); }

bool OutputFile::open(const std::string& path, LinkAtTarget links) {
  discard();
  const auto target = ResolveWriteTarget(path, links == LinkAtTarget::WriteThrough);
  if (!target || FolderExists(target->path)) {
    failure_ = "cannot write " + path + " (it may not be replaced)";
    return false;
  }
  target_ = target->path;
  temp_ = PartFileOf(target_);
  failure_.clear();
  file_ = OpenTemporary(temp_);
  if (!file_) {
    fail(target_, ErrnoReason());
    return false;
  }
  if (target->perms) KeepPermissions(temp_, *target->perms);
  if (!buffer_) buffer_ = std::make_unique<char[]>(kBufferSize);
  used_ = 0;
  failed_ = false;
  return true;
}

void OutputFile::write(std::string_view text) {
  while (!text.empty()) {
    if (used_ == kBufferSize) flushBuffer();
    std::size_t n = std::min(text.size(), kBufferSize - used_);
    std::memcpy(buffer_.get() + used_, text.data(), n);
    used_ += n;
    text.remove_prefix(n);
  }
}

void OutputFile::flushBuffer() {
  if (file_ && used_ > 0 && std::fwrite(buffer_.get(), 1, used_, file_) != used_) {
    fail(target_, ErrnoReason());
  }
  used_ = 0;
}

void OutputFile::fail(const std::string& file, const std::string& reason) {
  if (!failed_) failure_ = "cannot write " + file + " (" + reason + ")";
  failed_ = true;
}

bool OutputFile::commit() {
  if (!file_) return false;
  flushBuffer();
  if (std::fflush(file_) != 0) fail(target_, ErrnoReason());
  if (std::fclose(file_) != 0) fail(target_, ErrnoReason());
  file_ = nullptr;
  std::error_code ec;
  if (!failed_) fs::rename(fs::u8path(temp_), fs::u8path(target_), ec);
  if (ec) fail(target_, ec.message());
  if (failed_) {
    fs::remove(fs::u8path(temp_), ec);
    return false;
  }
  return true;
}

void OutputFile::discard() {
  if (!file_) return;
  std::fclose(file_);
  file_ = nullptr;
  std::error_code ec;
  fs::remove(fs::u8path(temp_), ec);
}

bool SetFileAside(const std::string& path, const std::string& suffix) {
  const std::string from = FinalTarget(path);
  return RenameFile(from, from + suffix);
}

bool AppendTextLines(const std::string& path, const std::vector<std::string>& lines) {
  // A log that is a link would add the program's lines to another file.
  if (IsLink(path)) return false;
#ifdef _WIN32
  std::FILE* file = OpenFile(path, "ab");
#else
  const int descriptor =
      ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
  std::FILE* file = descriptor < 0 ? nullptr : ::fdopen(descriptor, "ab");
  if (descriptor >= 0 && !file) ::close(descriptor);
#endif
  if (!file) return false;
  bool good = true;
  for (const auto& line : lines)
    good = good && std::fputs(line.c_str(), file) >= 0 && std::fputs("\r\n", file) >= 0;
  good = std::fflush(file) == 0 && good;
  return std::fclose(file) == 0 && good;
}

bool RenameFile(const std::string& from, const std::string& to) {
  std::error_code ec;
  fs::rename(fs::u8path(from), fs::u8path(to), ec);
  return !ec;
}

bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines,
                    LinkAtTarget links) {
  OutputFile out;
  if (!out.open(path, links)) return false;
  for (const auto& line : lines) out.writeLine(line);
  return out.commit();
}

}  // namespace tk
