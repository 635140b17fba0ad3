#!/usr/bin/env bash
# Lines of tests and fuzz targets against lines of the program, counting
# neither blank lines nor comment lines, so a test suite that grows faster
# than the code it checks shows up before it becomes a burden. The tables
# generated into platform/charsets/ are data, not code.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
  find "$@" -path platform/charsets -prune -o \( -name '*.cpp' -o -name '*.h' \) -type f -print0 |
    xargs -0 cat |
    awk '
      BEGIN { n = 0; block = 0 }
      {
        line = $0
        gsub(/^[ \t]+|[ \t]+$/, "", line)
        if (block) {
          if (index(line, "*/")) { block = 0; line = substr(line, index(line, "*/") + 2)
                                   gsub(/^[ \t]+/, "", line) }
          else next
        }
        if (line == "" || line ~ /^\/\//) next
        if (line ~ /^\/\*/) {
          if (!index(substr(line, 3), "*/")) { block = 1; next }
          rest = substr(line, index(substr(line, 3), "*/") + 4)
          gsub(/^[ \t]+/, "", rest)
          if (rest == "" || rest ~ /^\/\//) next
        }
        n++
      }
      END { print n }'
}

tests=$(count tests fuzz)
code=$(count app bench cli converter export fields import jconv5 platform session)
echo "tests+fuzz: $tests"
echo "code:       $code"
awk -v t="$tests" -v c="$code" 'BEGIN { printf "ratio:      %.3f\n", t / c }'
