#!/usr/bin/env bash
# Palm Desktop found, under Wine: a fresh program folder with no settings
# imports a file; the database lands in Palm Desktop's last user's Install
# folder and the HotSync request joins the bit another program set. Then,
# with no Palm Desktop, an import makes nothing in the registry and says so.
# Runs in the Wine prefix of windows-test.sh, which calls it.
# Usage: scripts/windows-palm-desktop.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
: "${WINEPREFIX:?run from scripts/windows-test.sh}"
# The registry itself, not a store of our own.
unset TOMEKIT_INSTALL_STORE
work=$(mktemp -d /tmp/tomekit-palm-desktop-XXXXXX)
trap 'rm -rf "$work"' EXIT
desktop='HKCU\Software\U.S. Robotics\Pilot Desktop'
fail() { echo "windows-palm-desktop: $*" >&2; exit 1; }

# A program folder as the zip unpacks it, holding no settings yet.
fresh_program() {
  mkdir -p "$work/$1"
  cp "$build/bin/tomekit-cli.exe" "$build/bin/jconv5.exe" "$work/$1/"
  printf 'TY  - JOUR\r\nT1  - Found, not typed\r\nER  - \r\n' > "$work/$1/refs.ris"
}
import() {
  (cd "$work/$1" && wine tomekit-cli.exe import refs.ris 2>&1 | tr -d '\r')
}

fresh_program found
mkdir -p "$work/Palm/DoeJ"
cp tests/data/palm-desktop/users.dat "$work/Palm/"
wine reg add "$desktop\\Core" /v Path /t REG_SZ /d "$(winepath -w "$work/Palm")" /f >/dev/null
wine reg add "$desktop\\Preferences" /v LastUserName /t REG_SZ /d "Jane Doe" /f >/dev/null
wine reg add "$desktop\\HotSync Manager" /v Install4242 /t REG_DWORD /d 2 /f >/dev/null
said=$(import found)
echo "$said"
[ -f "$work/Palm/DoeJ/Install/EN-refs.PDB" ] || fail "no database in Jane Doe's Install folder"
grep -q "queued for HotSync user Jane Doe" <<<"$said" || fail "the route was not told"
wine reg query "$desktop\\HotSync Manager" /v Install4242 | grep -q 0x3 ||
  fail "Install4242 is not 2 with bit 1 set"

wine reg delete 'HKCU\Software\U.S. Robotics' /f >/dev/null
fresh_program none
printf '[UserInfo]\r\nPalmOutPath=%s\r\n' "$(winepath -w "$work/none")" > "$work/none/tomekit.INI"
said=$(import none)
echo "$said"
grep -q "no Palm Desktop was found" <<<"$said" || fail "the missing Palm Desktop was not told"
if wine reg query 'HKCU\Software\U.S. Robotics' >/dev/null 2>&1; then
  fail "a registry key was made without Palm Desktop"
fi
echo "Palm Desktop: found under Wine, and nothing made without it."
