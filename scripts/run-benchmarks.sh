#!/usr/bin/env bash
# Runs every benchmark program of a Release build folder, one after another.
set -euo pipefail
build=${1:-build-release}
for b in "$build"/bench/bench_*; do
    [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    "$b" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
done
