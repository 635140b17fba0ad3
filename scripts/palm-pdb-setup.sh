#!/usr/bin/env bash
# Installs palm-pdb, the third-party PDB reader some tests read our
# databases back with, from the npm registry into FOLDER (the build folder's
# palm-pdb by default), never into the repository. Without npm it says so
# and ends well, as it does when the registry can't be reached: those tests
# then skip, saying what is missing.
set -euo pipefail
folder="${1:-$(dirname "$0")/../build/palm-pdb}"
if [ -d "$folder/node_modules/palm-pdb" ]; then exit 0; fi
if ! command -v npm >/dev/null || ! command -v node >/dev/null; then
  echo "palm-pdb-setup: node or npm is missing, so the tests that read databases back with palm-pdb skip" >&2
  exit 0
fi
mkdir -p "$folder"
npm install --prefix "$folder" --no-audit --no-fund --no-save palm-pdb@1 >&2 ||
  echo "palm-pdb-setup: palm-pdb could not be installed, so the tests that read databases back with it skip" >&2
