#pragma once
// Invariants of the fuzz targets: a broken one stops the run with a message
// that libFuzzer shows beside the input. Header-only (the converter's Failure
// is too), so the converter's targets can use it without the core.
#include "jconv5/pdb/Failure.h"

#include <cstdio>
#include <cstdlib>

namespace tk::fuzz {

inline void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

// Runs call; false when it refused, which the converter must do with a
// Failure and a message, never another exception (libFuzzer reports that as
// a crash).
template <class Call>
bool Jconv5Accepts(Call&& call) try {
  call();
  return true;
} catch (const jconv5::Failure& failure) {
  Check(!failure.text().empty(), "a failure without a message");
  return false;
}

}  // namespace tk::fuzz
