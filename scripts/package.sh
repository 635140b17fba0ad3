#!/usr/bin/env bash
# Makes the packages with cpack and checks them without touching the system:
# the .deb of a Linux build (with the window) and the zip of a Windows build.
#   - the .deb: the three programs, the menu entry and its icon are in it; it
#     names the Qt libraries and the Qt platform plugins as dependencies; apt
#     can resolve them (a simulated install); unpacked into a throw-away root,
#     every program finds its libraries and tomekit-cli runs;
#   - the zip: one folder holding tomekit.exe, tomekit-cli.exe, jconv5.exe
#     and README.md;
#   - the installer: the same files, and installed and uninstalled again in a
#     throw-away Wine prefix (scripts/windows-installer-check.sh).
# Usage: scripts/package.sh [BUILD_DIR [WINDOWS_BUILD_DIR]]
#   (defaults build and build-windows, both built already; a missing Windows
#   build is skipped)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${1:-$root/build}
windows=${2:-$root/build-windows}
scripts/install-deps.sh dpkg-dev qt6-qpa-plugins nsis

fail() { echo "package check: $*" >&2; exit 1; }

rm -rf "$build/packages"
(cd "$build" && cpack -G DEB >packages.log 2>&1) || { cat "$build/packages.log" >&2; fail "cpack failed"; }
debs=("$build"/packages/tomekit_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single tomekit_*.deb"
deb=${debs[0]}

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6 qt6-qpa-plugins; do
  tr ',' '\n' <<<"$depends" | awk '{print $1}' | grep -qxF "$needed" || fail "$(basename "$deb") does not depend on $needed: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for file in ./usr/bin/tomekit ./usr/bin/tomekit-cli ./usr/bin/jconv5 \
    ./usr/share/applications/tomekit.desktop ./usr/share/icons/hicolor/scalable/apps/tomekit.svg \
    ./usr/share/doc/tomekit/README.md; do
  grep -qxF "$file" <<<"$contents" || fail "$(basename "$deb") lacks $file"
done

# apt answers from what is installed and its package lists, changing nothing.
apt-get install --simulate --no-install-recommends "$deb" >/dev/null ||
  fail "apt can't resolve the dependencies of $(basename "$deb")"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
for program in tomekit tomekit-cli jconv5; do
  missing=$(ldd "$unpacked/usr/bin/$program" | grep 'not found' || true)
  [ -z "$missing" ] || fail "$program can't find: $missing"
done
grep -qx 'Exec=tomekit' "$unpacked/usr/share/applications/tomekit.desktop" ||
  fail "the menu entry doesn't start tomekit"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$unpacked/usr/share/applications/tomekit.desktop"
fi
"$unpacked/usr/bin/tomekit-cli" --help >/dev/null || fail "the packaged tomekit-cli doesn't run"
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) KB, depends on $depends"

if [ ! -d "$windows" ]; then
  echo "No Windows build in $windows: no zip made"
  exit 0
fi
rm -rf "$windows/packages"
(cd "$windows" && cpack -G "ZIP;NSIS" >packages.log 2>&1) || { cat "$windows/packages.log" >&2; fail "cpack failed"; }
zips=("$windows"/packages/tomekit-*.zip)
[ ${#zips[@]} -eq 1 ] && [ -f "${zips[0]}" ] || fail "cpack made no single tomekit-*.zip"
zip=${zips[0]}
top=$(basename "$zip" .zip)
listed=$(cd "$windows" && cmake -E tar tf "$zip" | grep -v '/$' | sort)
expected=$(printf '%s\n' "$top/README.md" "$top/jconv5.exe" "$top/tomekit-cli.exe" "$top/tomekit.exe" | sort)
[ "$listed" = "$expected" ] || fail "$(basename "$zip") holds:"$'\n'"$listed"
echo "$(basename "$zip"): $(du -k "$zip" | cut -f1) KB, $(tr '\n' ' ' <<<"$listed")"

installers=("$windows"/packages/tomekit-*.exe)
[ ${#installers[@]} -eq 1 ] && [ -f "${installers[0]}" ] || fail "cpack made no single tomekit-*.exe installer"
scripts/windows-installer-check.sh "${installers[0]}"
