#!/usr/bin/env bash
# Builds and runs the benchmarks; they print their figures and ratios.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake --preset native >/dev/null
cmake --build --preset native --target convert_bench
build/native/bench/convert_bench "$@"
