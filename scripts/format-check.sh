#!/usr/bin/env bash
# Every committed C++ file must read as .clang-format lays it out: one layout
# means diffs show only what changed. With --fix the files are laid out in
# place instead.
# Usage: scripts/format-check.sh [--fix]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh clang-format-14
mapfile -t files < <(git ls-files '*.cpp' '*.h' ':!:tests/data/**')
if [ "${1:-}" = --fix ]; then
  clang-format-14 -i "${files[@]}"
  exit 0
fi
unformatted=()
for f in "${files[@]}"; do
  clang-format-14 --dry-run -Werror "$f" >/dev/null 2>&1 || unformatted+=("$f")
done
if [ ${#unformatted[@]} -gt 0 ]; then
  printf '%s\n' "${unformatted[@]}"
  echo "clang-format: ${#unformatted[@]} of ${#files[@]} files differ from .clang-format" \
    "(scripts/format-check.sh --fix lays them out)" >&2
  exit 1
fi
echo "clang-format: ${#files[@]} files as .clang-format lays them out"
