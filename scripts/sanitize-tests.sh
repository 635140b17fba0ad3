#!/usr/bin/env bash
# Builds the test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# (the window left out) and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTOMEKIT_SANITIZE=ON -DTOMEKIT_GUI=OFF \
  -DTOMEKIT_TESTS=ON -DTOMEKIT_WERROR="${TOMEKIT_WERROR:-OFF}" >/dev/null
cmake --build build-asan -j"$(nproc)"
cd build-asan
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure --no-tests=error -j"$(nproc)"
