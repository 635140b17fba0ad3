#!/usr/bin/env bash
# On an X server (scripts/windows-start.sh runs it in Xvfb): starts PROGRAM
# under Wine in a Wine desktop window, waits until a window named TITLE shows
# and dumps that window (xwd) into DUMP.
# Usage: scripts/windows-start-shot.sh PROGRAM.exe TITLE DUMP.xwd
set -euo pipefail
program=$1 title=$2 dump=$3
wine explorer /desktop=Tomekit,800x700 "$(winepath -w "$program")" &
window() { xwininfo -root -tree | grep -F "\"$title\":" | awk '{print $1}' | head -n 1; }
for _ in $(seq 120); do
  [ -z "$(window)" ] || break
  sleep 0.5
done
[ -n "$(window)" ] || { echo "no window named $title came up in 60 s" >&2; exit 1; }
# The splash has gone once the main window shows; the window paints next.
sleep 3
xwd -id "$(window)" -silent >"$dump"
