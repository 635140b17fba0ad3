#pragma once
// One JFile record: a table of 16-bit lengths (value + NUL), one per field,
// then the NUL-terminated values in column order.
#include <string>
#include <string_view>
#include <vector>

namespace jconv5 {

// Appends the record to out. The values must hold no NUL byte.
void WriteRecord(const std::vector<std::string>& values, std::string& out);
// Size WriteRecord gives the values.
std::size_t RecordSize(const std::vector<std::string>& values);

// Exactly fieldCount values. Throws Failure when the data can't hold the
// length table or the values it announces.
std::vector<std::string> ReadRecord(std::string_view data, std::size_t fieldCount);

}  // namespace jconv5
