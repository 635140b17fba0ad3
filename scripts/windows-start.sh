#!/usr/bin/env bash
# Starts the cross-built window, tomekit.exe, as a user would: under Wine,
# with Qt's windows platform, on an X server of its own (Xvfb) in a Wine
# desktop window, where Wine draws the title bars as Windows does. Waits for
# the main window, takes its picture, frame and title bar included, and
# fails when the picture is blank.
# The main window takes 8 to 17 seconds to show under Wine here; a picture
# taken before then is Xvfb's empty black screen, so the window is waited for
# by its title.
# Usage: scripts/windows-start.sh [BUILD_DIR [SCREENSHOT.png]]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${1:-$root/build-windows}
shot=${2:-$build/window.png}
scripts/install-deps.sh wine xvfb xauth x11-apps x11-utils python3
run=$(mktemp -d /tmp/tomekit-start-XXXXXX)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$run"' EXIT
# No menu entries on this machine for what Wine sets up.
export WINEPREFIX=$run/wine WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
scripts/wine-prefix.sh
# A program folder of its own: the build's keeps no settings from this run.
mkdir "$run/program"
cp "$build/bin/tomekit.exe" "$build/bin/jconv5.exe" "$run/program/"
xvfb-run -a -s "-screen 0 800x700x24" scripts/windows-start-shot.sh \
  "$run/program/tomekit.exe" "Tomekit for Windows" "$run/window.xwd"
python3 scripts/xwd-to-png.py "$run/window.xwd" "$shot"
