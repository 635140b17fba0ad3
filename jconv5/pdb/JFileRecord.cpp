#include "jconv5/pdb/JFileRecord.h"

#include "jconv5/pdb/ByteIo.h"
#include "jconv5/pdb/Failure.h"

namespace jconv5 {

void WriteRecord(const std::vector<std::string>& values, std::string& out) {
  for (const std::string& value : values) PutU16(out, static_cast<unsigned>(value.size() + 1));
  for (const std::string& value : values) {
    out += value;
    out.push_back('\0');
  }
}

std::size_t RecordSize(const std::vector<std::string>& values) {
  std::size_t size = 0;
  for (const std::string& value : values) size += 2 + value.size() + 1;
  return size;
}

std::vector<std::string> ReadRecord(std::string_view data, std::size_t fieldCount) {
  const std::size_t tableSize = 2 * fieldCount;
  if (data.size() < tableSize)
    throw Failure("the record is damaged: " + std::to_string(data.size()) +
                  " bytes can't hold the length table of " + std::to_string(fieldCount) +
                  " fields");
  std::vector<std::string> values(fieldCount);
  std::size_t at = tableSize;
  for (std::size_t i = 0; i < fieldCount; ++i) {
    const std::size_t length = GetU16(data, 2 * i);
    if (length > data.size() - at)
      throw Failure("the record is damaged: field " + std::to_string(i + 1) + " is said to take " +
                    std::to_string(length) + " bytes, but only " +
                    std::to_string(data.size() - at) + " are left");
    // JFile reads each value as a C string, so anything after a NUL is unseen.
    std::string_view value = data.substr(at, length);
    values[i].assign(value.substr(0, value.find('\0')));
    at += length;
  }
  return values;
}

}  // namespace jconv5
