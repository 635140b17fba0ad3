#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a given time, two
# at a time.
# Usage: scripts/fuzz.sh [SECONDS-PER-TARGET] [TARGET...]
# Corpora grow in build-fuzz/corpus/<target>, seeded from fuzz/seeds/;
# crashes land in build-fuzz/findings/<target>/, logs in build-fuzz/<target>.log.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true
jobs=${FUZZ_JOBS:-2}
scripts/install-deps.sh clang-14 libclang-rt-14-dev
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTOMEKIT_FUZZ=ON -DTOMEKIT_GUI=OFF -DTOMEKIT_TESTS=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for t in build-fuzz/fuzz/*_fuzz; do targets+=("$(basename "$t")"); done
fi

# One target: its log gets libFuzzer's output and, last, the CPU time used.
run_target() {
  local target=$1
  local corpus=build-fuzz/corpus/$target findings=build-fuzz/findings/$target
  local log=build-fuzz/$target.log
  mkdir -p "$corpus" "$findings"
  local seeds=fuzz/seeds/${target%_fuzz}
  if [ -d "$seeds" ]; then cp -n "$seeds"/* "$corpus"/ 2>/dev/null || true; fi
  local rc=0 TIMEFORMAT="cpu: %U s user, %S s system, %R s elapsed"
  local scratch
  scratch=$(mktemp -d "$( [ -d /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")/tomekit-fuzz.XXXXXX")
  { time TOMEKIT_FUZZ_SCRATCH=$scratch build-fuzz/fuzz/"$target" "$corpus" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -max_len=65536 -artifact_prefix="$findings/" -print_final_stats=1 \
      >"$log" 2>&1; } 2>>"$log.time" || rc=$?
  cat "$log.time" >>"$log"; rm -f "$log.time"
  rm -rf "$scratch"
  return $rc
}

report() {
  local target=$1 rc=$2 log=build-fuzz/$1.log
  if [ "$rc" -ne 0 ]; then
    echo "!! $target found a problem; see $log and build-fuzz/findings/$target"
    tail -n 40 "$log"
  else
    echo "== $target: $(grep -E '^cpu:' "$log" | tail -n 1), \
$(grep -E 'stat::number_of_executed_units' "$log" | tail -n 1 | awk '{print $2}') runs, clean"
  fi
}

status=0
running=()
for target in "${targets[@]}"; do
  run_target "$target" &
  running+=("$!:$target")
  if [ ${#running[@]} -ge "$jobs" ]; then
    entry=${running[0]}; running=("${running[@]:1}")
    rc=0; wait "${entry%%:*}" || rc=$?
    report "${entry#*:}" "$rc"; [ "$rc" -eq 0 ] || status=1
  fi
done
for entry in "${running[@]}"; do
  rc=0; wait "${entry%%:*}" || rc=$?
  report "${entry#*:}" "$rc"; [ "$rc" -eq 0 ] || status=1
done
exit $status
