#pragma once
// One field value as a reader gathers it: the first `limit` bytes are kept,
// the rest only counted, so a value of any length costs at most `limit`
// bytes. Storage grows with the value, never past the limit, and is reused
// from record to record.
#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

namespace tk {

class ValueBuffer {
public:
  explicit ValueBuffer(std::size_t limit = 0) : limit_(limit) {}

  void push(char byte) {
    if (length_ < room_) {
      data_[length_] = byte;
    } else if (room_ < limit_) {
      grow();
      data_[length_] = byte;
    }
    ++length_;
  }
  void append(const char* bytes, std::size_t count) {
    // Nothing to copy, and before the first byte there is no storage to
    // copy to (memcpy must not be handed a null pointer, even for 0 bytes).
    if (count == 0) return;
    if (length_ + count <= room_) {
      std::memcpy(data_.get() + length_, bytes, count);
      length_ += count;
    } else {
      appendSlow(bytes, count);
    }
  }
  // Appends what other holds, counting its bytes beyond its limit too. Exact
  // when other's limit is at least this one's.
  void append(const ValueBuffer& other) {
    const std::string_view kept = other.kept();
    append(kept.data(), kept.size());
    length_ += other.length_ - kept.size();
  }
  // Forgets the bytes after the first `length`.
  void shrink(std::size_t length) {
    if (length < length_) length_ = length;
  }
  void clear() { length_ = 0; }

  // Length of the whole value, kept or not.
  std::size_t length() const { return length_; }
  bool empty() const { return length_ == 0; }
  // The kept bytes: the whole value when it is within the limit.
  std::string_view kept() const { return {data_.get(), length_ < limit_ ? length_ : limit_}; }
  std::size_t limit() const { return limit_; }

private:
  void grow();
  void appendSlow(const char* bytes, std::size_t count);

  std::unique_ptr<char[]> data_;
  std::size_t length_ = 0;
  std::size_t room_ = 0;
  std::size_t limit_;
};

}  // namespace tk
