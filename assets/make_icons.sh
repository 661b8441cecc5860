#!/usr/bin/env bash
# Draws the programs' icons (16, 32 and 48 pixels) with ImageMagick; the results are
# committed, so the build needs no ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/icons"
draw() {  # name background letter
    local sizes=()
    for s in 16 32 48; do
        convert -size ${s}x${s} xc:none -fill "$2" -draw "roundrectangle 0,0 $((s-1)),$((s-1)) $((s/6)),$((s/6))" \
            -fill white -font Liberation-Sans-Bold -pointsize $((s*3/4)) -gravity center -annotate +0+0 "$3" \
            "/tmp/$1-$s.png"
        sizes+=("/tmp/$1-$s.png")
    done
    convert "${sizes[@]}" "$1.ico"
    rm -f "${sizes[@]}"
}
draw karvelo '#1f5f8b' K
draw uninstall '#8b1f1f' K
draw setup '#2f7f3f' K
