#!/usr/bin/env bash
# Builds and runs the benchmarks; they print their figures and ratios.
#  - conversion throughput (native, Google Benchmark) beside a memchr line-split baseline;
#  - the viewer under Wine: loading 100 000 records until the table is drawn, and a search
#    that marks about 10 000 hits.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target convert_bench
build/native/bench/convert_bench "$@"

source scripts/wine-env.sh
karvelo_wine_start
trap karvelo_wine_stop EXIT
cmake --preset windows >/dev/null
cmake --build --preset windows --target viewer_bench
wine build/windows/viewer/app/viewer_bench.exe
