#!/usr/bin/env bash
# Installs the built viewer into the private Wine prefix the way the setup program will:
# the program folder "C:\Program Files\Karvelo\" and the installation record in the
# registry. Used by the main job and the screenshots until the setup program exists.
# Usage: scripts/install-into-prefix.sh <windows build folder>
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/windows}"
source scripts/wine-env.sh
karvelo_wine_prefix
target="$WINEPREFIX/drive_c/Program Files/Karvelo"
mkdir -p "$target"
cp "$build/viewer/app/karvelo.exe" "$target/karvelo.exe"
key='HKLM\Software\Brenmoor\KarveloRead'
wine reg add "$key" /v Version /d V001.000.015 /f >/dev/null 2>&1
wine reg add "$key" /v Versdat /d 28.12.2012 /f >/dev/null 2>&1
wine reg add "$key" /v RunPath /d 'C:\Program Files\Karvelo\' /f >/dev/null 2>&1
wine reg add "$key" /v SetPath /d 'C:\PROGRAM FILES\KARVELO\' /f >/dev/null 2>&1
echo "installed into C:\\Program Files\\Karvelo\\ of $WINEPREFIX"
