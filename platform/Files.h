#pragma once
// Files and folders. Every file the program writes goes through OutputFile,
// which writes a temporary file beside the target and renames it over the
// target only on commit(), so a failed or abandoned write never leaves a
// half-written file. A target that is a link is replaced by the file, unless
// the caller asks for it to be written through (the user's own settings and
// strategy files, which may be links on purpose); an existing target the user
// may not write is never replaced.
#include "platform/Charset.h"
#include "platform/PalmCharset.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

bool FileExists(const std::string& path);
// The path itself is a symbolic link (or, on Windows, any reparse point),
// whatever it names.
bool IsLink(const std::string& path);

// What a write does with a target that is a link.
enum class LinkAtTarget {
  Replace,       // the link goes, the file takes its place; its target is untouched
  WriteThrough,  // the file the link names is replaced, and the link stays
};

// What a path names, found without opening it: opening a FIFO waits until
// someone writes to it. A link counts as what it names.
enum class FileKind {
  Missing,
  Regular,
  Folder,
  Stream,  // a FIFO, a pipe or a socket: it can be read only once
  Device,  // anything else, such as /dev/zero or a terminal
};
FileKind KindOfFile(const std::string& path);
// "a folder", "a FIFO or pipe", ..., for messages that say why a file is refused.
std::string_view FileKindText(FileKind kind);

bool FolderExists(const std::string& path);
// Creates the folder with any missing parents; true when it exists after.
[[nodiscard]] bool CreateFolders(const std::string& path);
// Best effort: a file that is already gone counts as deleted.
bool RemoveFile(const std::string& path);
// The names of what a folder holds other than folders; none when it can't
// be read.
std::vector<std::string> FileNamesIn(const std::string& folder);
// Both paths name one file, through links or other spellings; false when
// either is missing.
bool SameFile(const std::string& a, const std::string& b);
// Copies, replacing an existing destination (written atomically).
[[nodiscard]] bool CopyFileBytes(const std::string& from, const std::string& to);
// As above; on failure, failure names the file and the system's reason.
[[nodiscard]] bool CopyFileBytes(const std::string& from, const std::string& to,
                                 std::string& failure);
// Removes every file of folder whose name starts with prefix.
void RemoveFilesStartingWith(const std::string& folder, const std::string& prefix);
// The folder of the running program, without a trailing separator.
std::string ProgramFolder();
// The running program's own full path.
std::string ProgramPath();

// Renames the file (a link's final target) to its own name + suffix,
// replacing an older file of that name; false when it can't.
[[nodiscard]] bool SetFileAside(const std::string& path, const std::string& suffix);

// The temporary file OutputFile writes before it renames it over target,
// beside it. Its name fits wherever target's does: a name too long to take
// the suffix gives up its end for a digest of the whole, so two long names
// with the same start still get files of their own.
std::string PartFileOf(const std::string& target);

// Reads a whole text file as lines; LF, CR LF and a lone CR end a line.
// False when the file can't be opened or read.
[[nodiscard]] bool ReadTextLines(const std::string& path, std::vector<std::string>& lines);
// The whole of a regular file, as it is. False when it can't be opened or
// read, or is no regular file (a FIFO would wait for a writer).
[[nodiscard]] bool ReadFileBytes(const std::string& path, std::string& bytes);

// What a file is transcoded from and into as it is read.
struct Transcoding {
  SourceCharset source;
  PalmCharset target;
  bool recordEnds = false;  // see ToPalmTranscoder
};

// Buffered byte reader. get() returns the next byte (0..255) or -1 at the end
// of the file or on a read error (failed() tells which). A file can be read
// as the bytes it becomes in the handheld's set (see ToPalmTranscoder).
// Opening never waits, not even for a FIFO's writer; a read of anything but
// a regular file waits for bytes in short steps, asking stopWhen's check
// between them, so an input nobody writes to can be given up.
class InputFile {
public:
  InputFile() = default;
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // False for a folder, as for a file that can't be opened.
  [[nodiscard]] bool open(const std::string& path,
                          std::optional<Transcoding> transcoding = std::nullopt);
  bool isOpen() const;
  // What the open file is; settings are read from regular files only.
  FileKind kind() const { return kind_; }
  void close();
  bool failed() const { return failed_; }
  // A read that waits ends, as at the end of the file, once stop() is true.
  void stopWhen(std::function<bool()> stop) { stop_ = std::move(stop); }
  bool stopped() const { return stopped_; }

  int get() {
    if (pos_ == end_ && !refill()) return -1;
    return static_cast<unsigned char>(data_[pos_++]);
  }
  // The bytes buffered and not yet read, refilled when none are left; empty
  // at the end of the file or on a read error. Readers that scan runs of
  // bytes use this with consume(n), which marks n of them read.
  std::string_view buffered() {
    if (pos_ == end_ && !refill()) return {};
    return {data_ + pos_, end_ - pos_};
  }
  void consume(std::size_t n) { pos_ += n; }

private:
  bool refill();
  bool refillDecoded();
  // Up to size bytes into buffer_; 0 at the end, on an error or a stop.
  std::size_t readSome(std::size_t size);

#ifdef _WIN32
  std::FILE* file_ = nullptr;
#else
  int fd_ = -1;
#endif
  FileKind kind_ = FileKind::Missing;
  std::function<bool()> stop_;
  bool stopped_ = false;
  std::unique_ptr<char[]> buffer_;
  const char* data_ = nullptr;  // buffer_, or decoded_ when transcoding
  std::unique_ptr<ToPalmTranscoder> decoder_;
  std::string decoded_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool failed_ = false;
};

// Buffered writer of a new file, replacing the target only on commit().
class OutputFile {
public:
  OutputFile() = default;
  ~OutputFile();  // discards an uncommitted file
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Creates the temporary file beside path (beside a link's final target
  // when written through); false when it can't be created or path may not
  // be written. The file written keeps the permission bits of the one it
  // replaces. A link left where the temporary file goes is removed, never
  // written through to a file.
  [[nodiscard]] bool open(const std::string& path, LinkAtTarget links = LinkAtTarget::Replace);
  bool isOpen() const { return file_ != nullptr; }

  void put(char c) {
    if (used_ == kBufferSize) flushBuffer();
    buffer_[used_++] = c;
  }
  void write(std::string_view text);
  // Ends a line the program's way: CR LF.
  void endLine() {
    put('\r');
    put('\n');
  }
  void writeLine(std::string_view text) {
    write(text);
    endLine();
  }

  // Flushes, closes and renames over the target; false (and the target left
  // as it was) on any write error along the way.
  [[nodiscard]] bool commit();
  // Closes and removes the temporary file; the target is left as it was.
  void discard();
  // After a failed open() or commit(): the file and the system's reason, as
  // "cannot write X (No space left on device)".
  const std::string& failure() const { return failure_; }

private:
  static constexpr std::size_t kBufferSize = 1 << 16;
  void flushBuffer();
  // Keeps the first failure: later calls fail because of it.
  void fail(const std::string& file, const std::string& reason);

  std::FILE* file_ = nullptr;
  std::string target_;
  std::string temp_;
  std::unique_ptr<char[]> buffer_;
  std::size_t used_ = 0;
  bool failed_ = false;
  std::string failure_;
};

// Writes lines, each ended by CR LF, to path through an OutputFile.
[[nodiscard]] bool WriteTextLines(const std::string& path, const std::vector<std::string>& lines,
                                  LinkAtTarget links = LinkAtTarget::Replace);

}  // namespace tk
