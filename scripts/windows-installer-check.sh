#!/usr/bin/env bash
# Checks the Windows installer cpack made: the files it holds (7z reads an
# NSIS installer), then a silent install into a throw-away Wine prefix (the
# program folder in Program Files, the Start menu entry, the uninstall entry,
# the installed tomekit-cli runs) and a silent uninstall, which removes them
# and leaves the user's data in %APPDATA%\Tomekit alone.
# Usage: scripts/windows-installer-check.sh INSTALLER.exe
set -euo pipefail
cd "$(dirname "$0")/.."
installer=$(realpath "$1")
name=$(basename "$installer")
scripts/install-deps.sh p7zip-full wine >&2
fail() { echo "installer check: $name: $*" >&2; exit 1; }

programs=(README.md jconv5.exe tomekit-cli.exe tomekit.exe)
listed=$(7z l -slt "$installer" | sed -n '/^----------$/,$ s/^Path = //p' | grep -v '^\$PLUGINSDIR/' | sort)
expected=$(printf '%s\n' "${programs[@]}" Uninstall.exe | sort)
[ "$listed" = "$expected" ] || fail "holds:"$'\n'"$listed"

prefix=$(mktemp -d /tmp/tomekit-installer-XXXXXX)
trap 'wineserver -k >/dev/null 2>&1 || true; rm -rf "$prefix"' EXIT
# No menu entries on this machine for the shortcuts the installer makes.
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES=winemenubuilder.exe=d
scripts/wine-prefix.sh
wine "$installer" /S || fail "the silent install failed"
folder="$prefix/drive_c/Program Files/Tomekit"
for file in "${programs[@]}" Uninstall.exe; do
  [ -f "$folder/$file" ] || fail "installed no $file into Program Files\\Tomekit"
done
# All users' Start menu when installed by an administrator, as Wine's user is.
start_menu() { find "$prefix/drive_c" -path '*/Start Menu/Programs/Tomekit/*.lnk' -printf '%f\n' | sort; }
[ "$(start_menu)" = $'Tomekit.lnk\nUninstall.lnk' ] || fail "Start menu holds: $(start_menu)"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tomekit'
wine reg query "$uninstall_key" /v UninstallString >/dev/null 2>&1 || fail "no $uninstall_key"
wine "$folder/tomekit-cli.exe" --help >/dev/null || fail "the installed tomekit-cli doesn't run"

appdata=$(winepath -u "$(wine cmd /c echo '%APPDATA%' | tr -d '\r')")
mkdir -p "$appdata/Tomekit"
echo '[UserInfo]' >"$appdata/Tomekit/tomekit.INI"
# The uninstaller goes on in a copy of itself after its own start has ended:
# what it left is asked until it is all gone, its last step included.
left() {
  for file in "${programs[@]}" Uninstall.exe; do
    [ ! -e "$folder/$file" ] || echo "$file"
  done
  start_menu
  ! wine reg query "$uninstall_key" >/dev/null 2>&1 || echo "$uninstall_key"
}
wine "$folder/Uninstall.exe" /S || fail "the silent uninstall failed"
for _ in $(seq 60); do
  [ -n "$(left)" ] || break
  sleep 1
done
[ -z "$(left)" ] || fail "the uninstaller left: $(left | tr '\n' ' ')"
[ -f "$appdata/Tomekit/tomekit.INI" ] || fail "the uninstaller removed the user's data"
echo "$name: $(du -k "$installer" | cut -f1) KB, installs $(tr '\n' ' ' <<<"$listed")into Program Files\\Tomekit, with a Start menu entry, and uninstalls"
