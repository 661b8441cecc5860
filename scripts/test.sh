#!/usr/bin/env bash
# Builds both worlds and runs every test: native (also under ASan/UBSan), Windows under
# Wine, and a bounded fuzz run. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
source scripts/wine-env.sh
karvelo_wine_start
trap karvelo_wine_stop EXIT

FUZZ_SECONDS="${FUZZ_SECONDS:-30}"
step() { printf '\n=== %s\n' "$*"; }

step "native: build and test"
cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

step "native under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

step "windows: build and test under Wine"
cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows

step "fuzz: ${FUZZ_SECONDS} s of arbitrary bytes through the conversion"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
bash scripts/fuzz.sh "$FUZZ_SECONDS"

step "all tests passed"
