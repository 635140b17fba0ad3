#include "platform/Files.h"

#include "platform/Utf8Path.h"

#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#endif

namespace tk {
namespace {

constexpr std::size_t kBufferSize = 1 << 16;
// How long a read waits for a FIFO's writer before it asks whether to stop.
constexpr int kWaitStepMs = 50;

#ifndef _WIN32
FileKind KindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return FileKind::Regular;
  if (S_ISDIR(mode)) return FileKind::Folder;
  if (S_ISFIFO(mode) || S_ISSOCK(mode)) return FileKind::Stream;
  return FileKind::Device;
}
#endif

}  // namespace

InputFile::~InputFile() { close(); }

#ifdef _WIN32
bool InputFile::isOpen() const { return file_ != nullptr; }

void InputFile::close() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
}
#else
bool InputFile::isOpen() const { return fd_ >= 0; }

void InputFile::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}
#endif

bool InputFile::open(const std::string& path, std::optional<Transcoding> transcoding) {
  close();
#ifdef _WIN32
  kind_ = KindOfFile(path);
  if (kind_ == FileKind::Folder) return false;
  file_ = OpenFile(path, "rb");
  if (!file_) return false;
#else
  // Without O_NONBLOCK the open of a FIFO waits for a writer, and no stop
  // request can reach it; what the file is shows only once it is open.
  fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) return false;
  struct stat status {};
  kind_ = ::fstat(fd_, &status) == 0 ? KindOfMode(status.st_mode) : FileKind::Missing;
  if (kind_ == FileKind::Folder || kind_ == FileKind::Missing) {
    close();
    return false;
  }
#endif
  if (!buffer_) buffer_ = std::make_unique<char[]>(kBufferSize);
  pos_ = end_ = 0;
  failed_ = stopped_ = false;
  data_ = buffer_.get();
  decoder_.reset();
  if (transcoding) {
    decoder_ = std::make_unique<ToPalmTranscoder>(transcoding->source, transcoding->target,
                                                  transcoding->recordEnds);
  }
  return true;
}

#ifdef _WIN32
std::size_t InputFile::readSome(std::size_t size) {
  const std::size_t read = std::fread(buffer_.get(), 1, size, file_);
  if (read == 0 && std::ferror(file_)) failed_ = true;
  return read;
}
#else
// A FIFO is asked with poll() before each read: read() would say "end of
// file" while no writer has come yet, and poll() waits for one. The wait is
// cut into steps so a stop request is seen whatever the signal handlers do
// about restarting calls.
std::size_t InputFile::readSome(std::size_t size) {
  for (;;) {
    if (kind_ != FileKind::Regular) {
      if (stop_ && stop_()) {
        stopped_ = true;
        return 0;
      }
      pollfd waited{fd_, POLLIN, 0};
      const int ready = ::poll(&waited, 1, stop_ ? kWaitStepMs : -1);
      if (ready == 0 || (ready < 0 && errno == EINTR)) continue;
      if (ready < 0) {
        failed_ = true;
        return 0;
      }
    }
    const ssize_t read = ::read(fd_, buffer_.get(), size);
    if (read >= 0) return static_cast<std::size_t>(read);
    if (errno != EINTR && errno != EAGAIN) {
      failed_ = true;
      return 0;
    }
  }
}
#endif

bool InputFile::refill() {
  if (!isOpen() || stopped_) return false;
  if (decoder_) return refillDecoded();
  data_ = buffer_.get();
  pos_ = 0;
  end_ = readSome(kBufferSize);
  return end_ > 0;
}

// A piece may decode to nothing (the start of a character split off), so
// reading goes on until something comes out or the file ends.
bool InputFile::refillDecoded() {
  pos_ = end_ = 0;
  decoded_.clear();
  while (decoded_.empty()) {
    const std::size_t read = readSome(kBufferSize);
    if (read == 0) {
      if (failed_ || stopped_) return false;
      decoder_->finish(decoded_);
      break;
    }
    decoder_->feed({buffer_.get(), read}, decoded_);
  }
  data_ = decoded_.data();
  end_ = decoded_.size();
  return end_ > 0;
}

}  // namespace tk
