#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a given time.
# Usage: scripts/fuzz.sh [SECONDS-PER-TARGET] [TARGET...]
# Corpora grow in build-fuzz/corpus/<target>, seeded from the tests' data;
# crashes land in build-fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
scripts/install-deps.sh clang-14 libclang-rt-14-dev
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTOMEKIT_FUZZ=ON -DTOMEKIT_GUI=OFF -DTOMEKIT_TESTS=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for t in build-fuzz/fuzz/*_fuzz; do targets+=("$(basename "$t")"); done
fi

status=0
for target in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$target
  findings=build-fuzz/findings/$target
  mkdir -p "$corpus" "$findings"
  seeds=fuzz/seeds/${target%_fuzz}
  [ -d "$seeds" ] && cp -n "$seeds"/* "$corpus"/ 2>/dev/null || true
  echo "== $target: ${seconds}s"
  if ! build-fuzz/fuzz/"$target" "$corpus" -max_total_time="$seconds" -timeout=10 \
       -rss_limit_mb=2048 -max_len=65536 -artifact_prefix="$findings/" -print_final_stats=1 \
       2>"build-fuzz/$target.log"; then
    echo "!! $target found a problem; see build-fuzz/$target.log and $findings"
    tail -n 40 "build-fuzz/$target.log"
    status=1
  else
    grep -E "stat::number_of_executed_units|cov:" "build-fuzz/$target.log" | tail -n 2
  fi
done
exit $status
