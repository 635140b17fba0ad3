#!/usr/bin/env bash
# Sets up the fresh Wine prefix $WINEPREFIX with a wineserver that stays up
# until the caller's `wineserver -k`. On a busy machine wineboot now and then
# gives up on a first try; and a server that ends between two programs, as it
# does after a few idle seconds, can start anew before the old one has saved
# the registry, so what one program wrote there the next would not read.
# Usage: WINEPREFIX=... scripts/wine-prefix.sh
set -euo pipefail
mkdir -p "$WINEPREFIX"
for try in 1 2 3; do
  if wineserver -p && wine wineboot -i >/dev/null 2>&1; then exit 0; fi
  wineserver -k >/dev/null 2>&1 || true
  sleep "$try"
done
echo "wine could not set up the prefix $WINEPREFIX" >&2
exit 1
