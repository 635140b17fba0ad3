#!/usr/bin/env bash
# Imports and exports the same files with the Linux build and, under Wine, the
# Windows build, in folders and files whose names hold blanks and accented
# letters, and compares every file the two write: the CSV and IFO handed to
# jconv5, the PDBs (dates zeroed) and the tagged files, for a handheld of each
# character set. Then reads the install request back from Wine's registry,
# where a Palm Desktop is said to be.
# Usage: scripts/windows-same-bytes.sh [LINUX_BIN_DIR] [WINDOWS_BIN_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
linux_bin=$(cd "${1:-build/bin}" && pwd)
windows_bin=$(cd "${2:-build-windows/bin}" && pwd)
scripts/install-deps.sh wine python3
run=$(mktemp -d /tmp/tomekit-same-bytes-XXXXXX)
export WINEPREFIX=$run/wine WINEDEBUG=-all LC_ALL=C.UTF-8
trap 'wineserver -k >/dev/null 2>&1 || true; [ -n "${KEEP:-}" ] || rm -rf "$run"' EXIT
scripts/wine-prefix.sh
# A Palm Desktop without users, so the Windows build queues its requests in
# the registry and the settings' folders stay in force.
mkdir -p "$run/Palm Desktop"
wine reg add 'HKCU\Software\U.S. Robotics\Pilot Desktop\Core' /v Path /t REG_SZ \
  /d "$(winepath -w "$run/Palm Desktop")" /f >/dev/null

# Zeroes the creation and modification dates (bytes 36..43) of a PDB.
strip_pdb_dates() {
  python3 -c 'import sys; b = bytearray(open(sys.argv[1], "rb").read()); b[36:44] = bytes(8); open(sys.argv[1], "wb").write(b)' "$1"
}

# side: linux or windows. Runs tomekit-cli for one mode and handheld set over
# the given inputs, importing them and exporting the PDBs back, and keeps what
# was written.
convert() {
  local side=$1 mode=$2 set=$3; shift 3
  local base="$run/$side/$mode-$set"
  local prog="$base/Programme Tomé" palm="$base/Palm Ünstall" refs="$base/Références Août"
  mkdir -p "$prog" "$palm" "$refs"
  local inputs=() cli=("$prog/tomekit-cli") path=(printf '%s')
  # Names the handheld sets write as two-byte characters, too.
  for input in "$@"; do cp "$root/tests/data/$input" "$refs/Grüße 東京 $(basename "$input")"; done
  if [ "$side" = windows ]; then
    cp "$windows_bin/tomekit-cli.exe" "$windows_bin/jconv5.exe" "$prog/"
    cli=(wine "$prog/tomekit-cli.exe") path=(winepath -w)
  else
    cp "$linux_bin/tomekit-cli" "$linux_bin/jconv5" "$prog/"
    export TOMEKIT_INSTALL_STORE="$base/install.ini"
  fi
  printf '[UserInfo]\r\nPalmOutPath=%s\r\nPalmInPath=%s\r\nENPath=%s\r\nRMPath=%s\r\nuserHSCode=0\r\n' \
    "$("${path[@]}" "$palm")" "$("${path[@]}" "$palm")" "$("${path[@]}" "$refs")" \
    "$("${path[@]}" "$refs")" >"$prog/tomekit.INI"
  for input in "$refs"/*; do inputs+=("$("${path[@]}" "$input")"); done
  local out="$run/out-$side/$mode-$set"
  mkdir -p "$out/import" "$out/export"
  # TKWork keeps the last conversion's work files only, so each command's
  # are taken as soon as it ends.
  "${cli[@]}" import --mode "$mode" --palm-charset "$set" "${inputs[@]}" >/dev/null
  cp "$prog"/TKWork/*.csv "$prog"/TKWork/*.IFO "$out/import/"
  local pdbs=()
  for pdb in "$palm"/*.PDB; do pdbs+=("$("${path[@]}" "$pdb")"); done
  "${cli[@]}" export --mode "$mode" --palm-charset "$set" --charset utf-8 "${pdbs[@]}" >/dev/null
  cp "$prog"/TKWork/*.out "$out/export/"
  unset TOMEKIT_INSTALL_STORE

  cp "$palm"/*.PDB "$refs"/* "$out/"
  for pdb in "$out"/*.PDB; do strip_pdb_dates "$pdb"; done
}

# Each handheld set gets every handheld file, so what a set lacks is
# replaced alike too.
handheld_sets=(windows-1250 windows-1251 windows-1253 windows-1254 windows-1257 koi8-r shift_jis gbk
  big5 euc-kr)
handheld_files=()
for file in tests/data/ris/handheld/*.ris; do handheld_files+=("${file#tests/data/}"); done
for side in linux windows; do
  convert "$side" endnote windows-1252 import/endnote.txt
  convert "$side" refman windows-1252 ris/rispy/example_utf_chars.ris ris/jabref/RisImporterTest1.ris
  for set in "${handheld_sets[@]}"; do
    convert "$side" refman "$set" "${handheld_files[@]}"
  done
done

diff -r "$run/out-linux" "$run/out-windows"
echo "Same bytes from both builds: $(find "$run/out-linux" -type f | wc -l) files."
grep -q '^Install0=1' "$run/linux/refman-windows-1252/install.ini" ||
  { echo "The Linux build's install request is missing from install.ini" >&2; exit 1; }
wine reg query 'HKCU\Software\U.S. Robotics\Pilot Desktop\HotSync Manager' /v Install0 |
  grep 'REG_DWORD.*0x1' >/dev/null ||
  { echo "The Windows build's install request is missing from the registry" >&2; exit 1; }
echo "The install request is in the registry."
