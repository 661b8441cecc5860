#!/usr/bin/env bash
# Screenshots of the windows under Xvfb, each in a Wine virtual desktop so that the frame
# shows. Writes PNG files into docs/screenshots/.
# Usage: scripts/screenshots.sh [build folder of the windows preset]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/windows}"
out=docs/screenshots
mkdir -p "$out"
source scripts/wine-env.sh
karvelo_wine_start
trap karvelo_wine_stop EXIT

shot() {  # name seconds-to-wait command...
    local name=$1 wait=$2
    shift 2
    KARVELO_SHOW_SECONDS=$((wait + 4)) wine explorer /desktop=KarveloShot,1024x768 "$@" >/dev/null 2>&1 &
    local pid=$!
    sleep "$wait"
    import -window root "$out/$name.png"
    wait "$pid" || true
    echo "wrote $out/$name.png"
}

shot main-window 6 "$build/viewer/app/main_window_wintest.exe" \
    --gtest_also_run_disabled_tests --gtest_filter='*ShowForScreenshot*'
shot search-dialog 7 "$build/viewer/app/viewer_gui_wintest.exe" \
    --gtest_also_run_disabled_tests --gtest_filter='*SearchDialogForScreenshot*'
shot alarm-texts 6 "$build/viewer/app/viewer_gui_wintest.exe" \
    --gtest_also_run_disabled_tests --gtest_filter='*AlarmTextsForScreenshot*'
