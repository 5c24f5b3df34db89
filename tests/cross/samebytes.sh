#!/usr/bin/env bash
# The picture and the animation that the architecture's build saves are, byte for byte, those that
# this machine's build saves.
#   samebytes.sh REFERENCE_KEEPFILES KEEPFILES
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$1" "$work/reference.png" "$work/reference.gif"
"$2" "$work/run.png" "$work/run.gif"
for kind in png gif; do
    cmp "$work/reference.$kind" "$work/run.$kind" || { echo "FAIL: the saved $kind differs from this machine's" >&2; exit 1; }
done
echo "1 passed, 0 failed: $(sha256sum "$work/run.png" "$work/run.gif" | cut -c1-16 | paste -sd ' ')"
