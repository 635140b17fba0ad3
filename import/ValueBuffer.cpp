#include "import/ValueBuffer.h"

#include <algorithm>
#include <cstring>

namespace tk {

void ValueBuffer::grow() {
  std::size_t room = std::min(limit_, std::max<std::size_t>(room_ * 2, 256));
  auto data = std::make_unique<char[]>(room);
  if (room_ > 0) std::memcpy(data.get(), data_.get(), room_);
  data_ = std::move(data);
  room_ = room;
}

void ValueBuffer::appendSlow(const char* bytes, std::size_t count) {
  while (room_ < limit_ && length_ + count > room_) grow();
  if (length_ < room_) std::memcpy(data_.get() + length_, bytes, std::min(count, room_ - length_));
  length_ += count;
}

}  // namespace tk
