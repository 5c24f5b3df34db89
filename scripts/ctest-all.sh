#!/usr/bin/env bash
# Runs every test of a build folder and fails when any fails or was skipped: `make test` installs
# every tool, so a skipped test there is a fault of the set-up.
#   scripts/ctest-all.sh BUILD_DIR [JOBS]
set -euo pipefail
cd "$1"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
ctest --output-on-failure -j "${2:-2}" | tee "$log"
if grep -q '(Skipped)' "$log"; then
    echo "error: tests were skipped in $1; scripts/install-deps.sh test installs what they need" >&2
    exit 1
fi
