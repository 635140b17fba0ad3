#!/usr/bin/env bash
# Cross-builds the Windows programs and the test programs (all but the
# window's, as Debian has no Qt for mingw-w64) into build-windows/.
# GoogleTest comes from Debian's googletest source, built with the cross
# compiler into build-windows/googletest.
# Usage: scripts/windows-build.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${1:-$root/build-windows}
scripts/install-deps.sh g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine
toolchain=$root/cmake/mingw-w64-x86_64.cmake
jobs=$(nproc)

gtest=$build/googletest
if [ ! -f "$gtest/install/lib/cmake/GTest/GTestConfig.cmake" ]; then
  cmake -S /usr/src/googletest -B "$gtest/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest/install" -DBUILD_GMOCK=ON \
    -Dgtest_disable_pthreads=OFF >/dev/null
  cmake --build "$gtest/build" -j"$jobs"
  cmake --install "$gtest/build" >/dev/null
fi

cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DTOMEKIT_GUI=OFF -DTOMEKIT_TESTS=ON -DGTest_DIR="$gtest/install/lib/cmake/GTest" \
  -DTOMEKIT_WERROR="${TOMEKIT_WERROR:-OFF}" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
cmake --build "$build" -j"$jobs"
