#!/usr/bin/env bash
# The main job: builds the Windows programs, installs the viewer into the private Wine
# prefix, converts the bundled sample alarm log with karvelo-convert.exe and starts the
# viewer with that log. With a display the viewer stays open until it is closed; without
# one it runs under Xvfb for a few seconds and a screenshot of it is saved.
set -euo pipefail
cd "$(dirname "$0")/.."
had_display="${DISPLAY:-}"
bash scripts/install-deps.sh
source scripts/wine-env.sh
karvelo_wine_start
trap karvelo_wine_stop EXIT

cmake --preset windows >/dev/null
cmake --build --preset windows --target karvelo karvelo-convert

out="$PWD/build/out"
mkdir -p "$out"
wine build/windows/tools/karvelo-convert.exe -o "Z:$out" "Z:$PWD/samples/Alarmlog.com"
result="$out/Alarmlog.txt"
echo
echo "Converted samples/Alarmlog.com to $result"
echo "First records (the file is Windows-1252 with CR LF line ends):"
echo
sed -n '14,36p' "$result" | iconv -f CP1252 -t UTF-8 | tr -d '\r'

bash scripts/install-into-prefix.sh build/windows
sample="Z:$(printf '%s' "$PWD/samples/Alarmlog.com" | tr / '\\')"
if [ -n "$had_display" ]; then
    echo "Starting the viewer with the sample log; close it to end."
    wine 'C:\Program Files\Karvelo\karvelo.exe' "$sample"
else
    wine explorer /desktop=Karvelo,1024x768 'C:\Program Files\Karvelo\karvelo.exe' "$sample" >/dev/null 2>&1 &
    sleep 8
    import -window root "$out/viewer.png"
    echo "No display: the viewer ran under Xvfb; its window is in $out/viewer.png"
fi
