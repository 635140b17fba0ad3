#pragma once
// Invariants of the fuzz targets: a broken one stops the run with a message
// that libFuzzer shows beside the input. Header-only, so the converter's
// targets can use it without the core.
#include <cstdio>
#include <cstdlib>

namespace tk::fuzz {

inline void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

}  // namespace tk::fuzz
