#!/usr/bin/env bash
# Builds everything with the tests and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build -DTOMEKIT_GUI=ON -DTOMEKIT_TESTS=ON -DTOMEKIT_WERROR="${TOMEKIT_WERROR:-OFF}"
cmake --build build -j"$(nproc)"
# The reader the palm-sync and zip tests read databases back with.
scripts/palm-pdb-setup.sh build/palm-pdb
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --no-tests=error -j"$(nproc)"
