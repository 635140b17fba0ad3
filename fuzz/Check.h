#pragma once
// Invariants of the fuzz targets: a broken one stops the run with a message
// that libFuzzer shows beside the input. Header-only, so the converter's
// targets can use it without the core.
#include <cstdio>
#include <cstdlib>

namespace tk::fuzz {

[[noreturn]] inline void Fail(const char* what) {
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

inline void Check(bool ok, const char* what) {
  if (!ok) Fail(what);
}

}  // namespace tk::fuzz
