#!/usr/bin/env bash
# Builds everything and starts Tomekit. Programs land in build/bin.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -DTOMEKIT_GUI=ON
cmake --build build -j"$(nproc)"
exec build/bin/tomekit "$@"
