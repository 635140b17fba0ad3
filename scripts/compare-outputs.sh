#!/usr/bin/env bash
# Runs tomekit-cli over every input in tests/data, in every mode, in both
# directions, and gathers what it wrote: CSV, IFO, .tkg, the PDBs (dates
# zeroed), the .tsv/.RIS files, Log.txt and the CLI's own output. Used to show
# that a change of code leaves every output byte unchanged.
#
#   scripts/compare-outputs.sh BIN_DIR OUT_DIR            gather into OUT_DIR
#   scripts/compare-outputs.sh BIN_DIR OUT_DIR REF_DIR    gather, then compare
#
# BIN_DIR holds tomekit-cli and jconv5 (build/bin). The run happens in one fixed
# folder, so paths inside Log.txt are the same from one run to the next.
set -euo pipefail
[ $# -ge 2 ] || { sed -n 2,10p "$0"; exit 2; }
root="$(cd "$(dirname "$0")/.." && pwd)"
bin="$(cd "$1" && pwd)"
out="$2"
ref="${3:-}"
run=/tmp/tomekit-compare-outputs
data="$root/tests/data"

rm -rf "$run" "$out"
mkdir -p "$out"
out="$(cd "$out" && pwd)"

# Zeroes the creation and modification dates (bytes 36..43) of a PDB.
strip_pdb_dates() {
  python3 - "$1" "$2" <<'EOF'
import sys
b = bytearray(open(sys.argv[1], "rb").read())
b[36:44] = bytes(8)
open(sys.argv[2], "wb").write(b)
EOF
}

run_mode() {
  local mode="$1"; shift
  local prog="$run/$mode/prog" palm="$run/$mode/palm" refs="$run/$mode/refs"
  mkdir -p "$prog" "$palm" "$refs" "$out/$mode"
  cp "$bin/tomekit-cli" "$bin/jconv5" "$prog/"
  printf '[UserInfo]\r\nPalmOutPath=%s\r\nPalmInPath=%s\r\nENPath=%s\r\nRMPath=%s\r\nPCPath=%s\r\nPGPath=%s\r\nuserHSCode=0\r\n' \
    "$palm" "$palm" "$refs" "$refs" "$refs" "$refs" > "$prog/tomekit.INI"
  export TOMEKIT_INSTALL_STORE="$run/$mode/install.ini"

  local status=0
  "$prog/tomekit-cli" import --mode "$mode" "$@" >"$out/$mode/import.stdout" 2>"$out/$mode/import.stderr" || status=$?
  echo "$status" >"$out/$mode/import.status"
  cp "$prog/Log.txt" "$out/$mode/import-Log.txt"
  cp "$TOMEKIT_INSTALL_STORE" "$out/$mode/install.ini" 2>/dev/null || true

  shopt -s nullglob
  local pdbs=("$palm"/*.PDB)
  status=0
  "$prog/tomekit-cli" export --mode "$mode" "${pdbs[@]}" >"$out/$mode/export.stdout" 2>"$out/$mode/export.stderr" || status=$?
  echo "$status" >"$out/$mode/export.status"
  cp "$prog/Log.txt" "$out/$mode/export-Log.txt"

  mkdir -p "$out/$mode/work" "$out/$mode/pdb" "$out/$mode/refs"
  cp "$prog"/TKWork/*.csv "$prog"/TKWork/*.IFO "$prog"/TKWork/*.tkg "$prog"/TKWork/*.out "$out/$mode/work/" 2>/dev/null || true
  cp "$prog"/strat*.jfp "$out/$mode/" 2>/dev/null || true
  for pdb in "${pdbs[@]}"; do strip_pdb_dates "$pdb" "$out/$mode/pdb/$(basename "$pdb")"; done
  cp "$refs"/* "$out/$mode/refs/" 2>/dev/null || true
  shopt -u nullglob
}

ris_files=()
while IFS= read -r -d '' f; do ris_files+=("$f"); done < <(find "$data/ris" -name '*.ris' -print0 | sort -z)

run_mode endnote "$data/import/endnote.txt"
run_mode refman "${ris_files[@]}"
run_mode procite "$data/import/procite.txt"
run_mode procite-generic "$data/import/procite.txt"

echo "outputs in $out ($(find "$out" -type f | wc -l) files)"
if [ -n "$ref" ]; then
  if diff -r "$ref" "$out"; then
    echo "identical to $ref"
  else
    echo "DIFFERENT from $ref"
    exit 1
  fi
fi
