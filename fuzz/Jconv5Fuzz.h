#pragma once
// What the converter's fuzz targets share: the input as text, and the rule
// that a refusal is a Failure with a message, never another exception (which
// libFuzzer reports as a crash).
#include "fuzz/Check.h"
#include "jconv5/pdb/Failure.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tk::fuzz {

inline std::string_view Jconv5Text(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Runs call; false when it refused, which it must do with a message.
template <class Call>
bool Jconv5Accepts(Call&& call) {
  try {
    call();
    return true;
  } catch (const jconv5::Failure& failure) {
    Check(!failure.text().empty(), "a failure without a message");
    return false;
  }
}

}  // namespace tk::fuzz
