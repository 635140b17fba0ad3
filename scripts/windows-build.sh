#!/usr/bin/env bash
# Cross-builds the Windows programs, the window (tomekit.exe) among them, and
# the test programs into build-windows/, every one linked statically so the
# program folder needs no DLLs. Qt is the static one scripts/windows-qt.sh
# builds once from Debian's source and keeps in its cache; GoogleTest comes
# from Debian's googletest source, built with the cross compiler into
# build-windows/googletest.
# Usage: scripts/windows-build.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${1:-$root/build-windows}
scripts/install-deps.sh g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 googletest wine
toolchain=$root/cmake/mingw-w64-x86_64.cmake
jobs=$(nproc)
qt=$(scripts/windows-qt.sh)

gtest=$build/googletest
if [ ! -f "$gtest/install/lib/cmake/GTest/GTestConfig.cmake" ]; then
  cmake -S /usr/src/googletest -B "$gtest/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest/install" -DBUILD_GMOCK=ON \
    -Dgtest_disable_pthreads=OFF >/dev/null
  cmake --build "$gtest/build" -j"$jobs"
  cmake --install "$gtest/build" >/dev/null
fi

# Qt's own toolchain file adds its prefix to where packages are looked for,
# then loads ours. A folder configured for another toolchain (an earlier Qt,
# or none) starts afresh, as CMake keeps the compilers it found first.
qt_toolchain=$qt/lib/cmake/Qt6/qt.toolchain.cmake
if [ -f "$build/CMakeCache.txt" ] &&
    [ "$(sed -n 's/^CMAKE_TOOLCHAIN_FILE:[A-Z]*=//p' "$build/CMakeCache.txt")" != "$qt_toolchain" ]; then
  rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
fi
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$qt_toolchain" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DTOMEKIT_GUI=ON -DTOMEKIT_TESTS=ON -DGTest_DIR="$gtest/install/lib/cmake/GTest" \
  -DTOMEKIT_WERROR="${TOMEKIT_WERROR:-OFF}" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
cmake --build "$build" -j"$jobs"
