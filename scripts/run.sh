#!/usr/bin/env bash
# The main job: builds the Windows programs and converts the bundled sample alarm log with
# karvelo-convert.exe under Wine, then shows where the result is and its first records.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
source scripts/wine-env.sh
karvelo_wine_start
trap karvelo_wine_stop EXIT

cmake --preset windows >/dev/null
cmake --build --preset windows --target karvelo-convert

out="$PWD/build/out"
mkdir -p "$out"
wine build/windows/tools/karvelo-convert.exe -o "Z:$out" "Z:$PWD/samples/Alarmlog.com"
result="$out/Alarmlog.txt"
echo
echo "Converted samples/Alarmlog.com to $result"
echo "First records (the file is Windows-1252 with CR LF line ends):"
echo
sed -n '14,36p' "$result" | iconv -f CP1252 -t UTF-8 | tr -d '\r'
