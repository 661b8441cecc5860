#!/usr/bin/env bash
# Runs the fuzz targets for a bounded time each, seeded with the project's own logs.
# Usage: scripts/fuzz.sh [seconds per target]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
work=build/fuzz/run
mkdir -p "$work/convert-corpus" "$work/artifacts"
cp samples/*.com viewer/core/testdata/*.com "$work/convert-corpus/"
build/fuzz/fuzz/convert_fuzz "$work/convert-corpus" \
    -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 -timeout=10 \
    -artifact_prefix="$work/artifacts/" -print_final_stats=1 2>&1 | tail -n 12
