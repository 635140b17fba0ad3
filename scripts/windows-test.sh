#!/usr/bin/env bash
# Runs the cross-built test programs of build-windows/ under Wine, the
# window's among them, in a throw-away Wine prefix so no earlier state
# (registry, files) leaks in.
# Usage: scripts/windows-test.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-$(pwd)/build-windows}
scripts/install-deps.sh wine fonts-dejavu-core
prefix=$(mktemp -d /tmp/tomekit-wine-XXXXXX)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$prefix"' EXIT
export WINEPREFIX=$prefix WINEDEBUG=-all
scripts/wine-prefix.sh
# The window's tests run headless. Qt's offscreen platform on Windows draws
# text with FreeType from a font folder of its own, not the system's fonts.
export QT_QPA_PLATFORM=offscreen QT_QPA_FONTDIR
QT_QPA_FONTDIR=$(winepath -w /usr/share/fonts/truetype/dejavu)
failed=()
for test in "$build"/tests/*_tests.exe; do
  echo "== $(basename "$test")"
  timeout 600 wine "$test" --gtest_brief=1 || failed+=("$(basename "$test")")
done
scripts/windows-palm-desktop.sh "$build" || failed+=(windows-palm-desktop.sh)
if [ ${#failed[@]} -gt 0 ]; then
  echo "Failed under Wine: ${failed[*]}" >&2
  exit 1
fi
echo "All Windows test programs passed under Wine."
