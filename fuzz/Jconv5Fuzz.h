#pragma once
// What the converter's fuzz targets share: the rule that a refusal is a Failure with a message,
// never another exception (which libFuzzer reports as a crash).
#include "fuzz/Check.h"
#include "jconv5/pdb/Failure.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace tk::fuzz {

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
