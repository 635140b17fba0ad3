#!/usr/bin/env bash
# Every .cpp in the repository must be named in the CMakeLists.txt nearest to
# it, and each list must stay sorted: a file nobody listed would quietly not
# be built (a test file would quietly not run), and sorted lists merge cleanly.
set -euo pipefail
cd "$(dirname "$0")/.."
status=0
while IFS= read -r file; do
  dir=$(dirname "$file")
  while [ ! -f "$dir/CMakeLists.txt" ] && [ "$dir" != . ]; do dir=$(dirname "$dir"); done
  rel=${file#"$dir"/}
  rel=${rel%.cpp}
  if ! grep -Eq "(^|[[:space:](])${rel}(\.cpp)?([[:space:])]|$)" "$dir/CMakeLists.txt"; then
    echo "$file is in no source list of $dir/CMakeLists.txt" >&2
    status=1
  fi
done < <(git ls-files '*.cpp' ':!:tests/data/**')

# A list is a run of lines holding one indented file name each.
while IFS= read -r cmake; do
  awk -v file="$cmake" '
    /^[[:space:]]+[A-Za-z0-9_.\/-]+(\.cpp|_fuzz)[[:space:]]*$/ {
      name = $1
      if (inList && name < last) { printf "%s: %s is out of order\n", file, name; bad = 1 }
      last = name; inList = 1; next
    }
    { inList = 0 }
    END { exit bad }' "$cmake" >&2 || status=1
done < <(git ls-files 'CMakeLists.txt' '*/CMakeLists.txt')
exit $status
