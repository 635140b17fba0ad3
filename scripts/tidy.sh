#!/usr/bin/env bash
# Checks names against .clang-tidy with clang-tidy 14, over every source the
# build compiles (the window and the tests included), two files at a time.
# Each header's findings are told once, however many files include it.
# With --windows it checks the Windows build's compile commands instead
# (scripts/windows-build.sh makes them), as clang sees them for mingw-w64:
# only the files with code of their own for Windows, as the rest compile
# the same there.
# Usage: scripts/tidy.sh [--windows] [BUILD_DIR]
#        (default build-tidy, configured here, or build-windows)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
windows=false
if [ "${1:-}" = --windows ]; then
  windows=true
  shift
fi
scripts/install-deps.sh clang-tidy-14
extra=()
if $windows; then
  build=${1:-$root/build-windows}
  [ -f "$build/compile_commands.json" ] || { echo "no $build/compile_commands.json: run scripts/windows-build.sh first" >&2; exit 1; }
  # clang finds the mingw-w64 headers for that target, but not g++'s C++
  # library for it, which the cross compiler names; g++'s own flags clang
  # doesn't know are no findings.
  extra=(--extra-arg=--target=x86_64-w64-mingw32 --extra-arg=-Wno-unknown-warning-option)
  while IFS= read -r folder; do extra+=("--extra-arg=-isystem$folder"); done < <(
    x86_64-w64-mingw32-g++-posix -E -x c++ -v - </dev/null 2>&1 |
      sed -n '/^#include <...> search starts here:/,/^End of search list/p' | grep 'include/c++' |
      sed 's/^ *//')
else
  build=${1:-$root/build-tidy}
  cmake -S . -B "$build" -DTOMEKIT_GUI=ON -DTOMEKIT_TESTS=ON -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
fi

# Our own sources only; the build's generated files (moc) are Qt's naming.
mapfile -t sources < <(grep -o '"file": "[^"]*"' "$build/compile_commands.json" |
  sed 's/^"file": "\(.*\)"$/\1/' | grep "^$root/" | grep -v "^$build/" | sort -u)
if $windows; then
  mapfile -t sources < <(grep -l '_WIN32' "${sources[@]}")
fi

report=$(mktemp)
trap 'rm -f "$report"' EXIT
status=0
printf '%s\0' "${sources[@]}" |
  xargs -0 -n 4 -P "${TIDY_JOBS:-2}" clang-tidy-14 -p "$build" --quiet "${extra[@]}" >"$report" 2>&1 || status=$?
# xargs says 123 when a clang-tidy run found something; anything else, or a
# crash, means some files went unchecked.
if { [ "$status" -ne 0 ] && [ "$status" -ne 123 ]; } || grep -q 'PLEASE submit a bug report' "$report"; then
  cat "$report" >&2
  echo "clang-tidy did not finish (status $status)" >&2
  exit 1
fi
# A finding is its "file:line:col: error: ... [readability-identifier-naming"
# line, then the source line and the suggestion; a header's finding, seen
# from every file including it, is told once. The compiler errors clang 14
# reports for C++20 the build's compiler accepts (a lambda capturing a
# structured binding, an aggregate built with parentheses) are not names.
findings=$(awk '/^\/.*: (error|warning): .*\[readability-identifier-naming/ {
                  if (!seen[$0]++) { print; show = 2 } next }
                show > 0 && !/^\/.*: (error|warning|note): / { print; show--; next }
                { show = 0 }' "$report")
if [ -n "$findings" ]; then
  echo "$findings"
  echo "clang-tidy: $(grep -c '^/' <<<"$findings") names break .clang-tidy's rules" >&2
  exit 1
fi
echo "clang-tidy: ${#sources[@]} files, names as .clang-tidy says"
