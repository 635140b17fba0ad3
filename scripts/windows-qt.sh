#!/usr/bin/env bash
# Cross-builds a static Qt for 64-bit Windows from Debian's own qt6-base
# source, of the same version as the installed host tools (moc, rcc, uic run
# from /usr through QT_HOST_PATH), and installs it into a cache folder
# outside the repository. The folder's name holds the Qt version and a hash
# of this script and of the toolchain file, so a changed configuration builds
# anew while a clean clone reuses what an earlier run built.
# Prints the folder (the Qt prefix) as the only line on stdout.
# Usage: scripts/windows-qt.sh
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
toolchain=$root/cmake/mingw-w64-x86_64.cmake
scripts/install-deps.sh qt6-base-dev-tools dpkg-dev ninja-build perl \
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 >&2

version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
key=$(cat "$0" "$toolchain" | sha256sum | cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/tomekit
prefix=$cache/qt-${version}-mingw-static-$key
mkdir -p "$cache"
exec 9>"$cache/qt.lock"
flock 9 # two builds side by side would share one work folder

if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
log() { echo "windows-qt: $(date -u +%H:%M:%S) $*" >&2; }

# A fresh Debian lists only binary packages: the same archives, as deb-src.
add_source_lists() {
  local list=/etc/apt/sources.list.d/tomekit-deb-src
  log "adding deb-src lines for the archives the system already uses"
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] && [ "$file" != "$list.sources" ] || continue
    sed 's/^Types:[[:space:]]*deb[[:space:]]*$/Types: deb-src/' "$file"
    echo
  done | $SUDO tee "$list.sources" >/dev/null
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$file" ] && [ "$file" != "$list.list" ] || continue
    sed -n 's/^deb[[:space:]]/deb-src /p' "$file"
  done | $SUDO tee "$list.list" >/dev/null
  $SUDO apt-get update >&2
}

# Whatever a run cut short left behind, whichever its key.
rm -rf "$cache"/qt-work-* "$prefix"
work=$cache/qt-work-$key
mkdir -p "$work"
cd "$work"
uris() { apt-get source --print-uris -qq "qt6-base=$version" 2>/dev/null; }
uris >/dev/null || add_source_lists
uris >uris.txt || { echo "windows-qt: no source for qt6-base $version" >&2; exit 1; }

# apt checks each file against the signed archive index; the same hashes
# are checked here once more, so a changed file can't pass unnoticed.
log "fetching qt6-base $version source"
apt-get source --download-only -qq "qt6-base=$version" >&2
while read -r _ name _ hash; do
  case $hash in
    SHA256:*) echo "${hash#SHA256:}  $name" ;;
    *) echo "windows-qt: apt gave no SHA256 for $name" >&2; exit 1 ;;
  esac
done <uris.txt >sha256sums
sha256sum --quiet -c sha256sums >&2
dpkg-source --require-strong-checksums -x ./*.dsc src >&2

# The smallest qtbase the window and its tests need: Core, Gui, Widgets,
# Network (the single instance's local socket), Test, and the windows and
# offscreen platforms. Bundled libraries, as mingw-w64 has none of them.
#   tabletevent: Debian's source lacks the wintab headers it needs;
#   direct2d, directwrite3: in this version the windows platform otherwise
#     needs a class built only with direct2d;
#   opengl, sql, printsupport, concurrent, xml, dbus, ssl, jpeg, icu: the
#     program uses none of them.
log "configuring"
options=(
  -prefix "$prefix" -static -release -qt-host-path /usr
  -nomake examples -nomake tests
  -qt-zlib -qt-pcre -qt-libpng -qt-freetype -qt-harfbuzz -no-icu
  -no-opengl -no-dbus -no-feature-sql -no-feature-printsupport
  -no-feature-concurrent -no-feature-xml -no-feature-ssl -no-feature-jpeg
  -no-feature-tabletevent -no-feature-direct2d -no-feature-directwrite3
)
mkdir build
cd build
../src/configure "${options[@]}" -- -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >"$work/configure.log" 2>&1 ||
  { tail -n 60 "$work/configure.log" >&2; exit 1; }
log "building with $(nproc) jobs"
cmake --build . --parallel "$(nproc)" >"$work/build.log" 2>&1 ||
  { grep -B2 -A20 -m3 'FAILED\|error:' "$work/build.log" >&2 || tail -n 60 "$work/build.log" >&2; exit 1; }
cmake --install . >"$work/install.log" 2>&1 || { tail -n 60 "$work/install.log" >&2; exit 1; }
touch "$prefix/.complete"
cd "$cache"
rm -rf "$work"
log "installed $(du -sh "$prefix" | cut -f1) into $prefix"
echo "$prefix"
