#!/usr/bin/env bash
# Draws a small formula (a filled ring, OH, CH and a curved arrow) in a real window under Xvfb with
# simulated mouse input, saves it as a figure file and takes screenshots at zoom 100 and 200.
#   scripts/formula_screenshots.sh [OUT_DIR]     default build/screenshots
# Needs an up-to-date build/molvane; installs xvfb, xdotool and imagemagick when missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$root/build/screenshots}" && cd "${1:-$root/build/screenshots}" && pwd)
"$root/scripts/ensure_packages.sh" xvfb xdotool imagemagick
if [ -z "${MOLVANE_IN_XVFB:-}" ]; then
    MOLVANE_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1400x950x24" "$0" "$out"
fi

export HOME="$out/home"
rm -rf "$HOME" "$out/formula.fga"
mkdir -p "$HOME"
"$root/build/molvane" 2>/dev/null &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT
sleep 4

click() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }
drag() {
    xdotool mousemove "$1" "$2" mousedown 1; sleep 0.1
    xdotool mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)); sleep 0.1
    xdotool mousemove "$3" "$4"; sleep 0.1
    xdotool mouseup 1; sleep 0.3
}
# Screen positions of the tool buttons and the canvas origin in the window as it first opens.
single=(61 92) double=(92 92) arrow=(217 92) fill=(340 92) zoomUp=(548 37)
letterO=(384 140) letterH=(203 140) letterC=(73 134)
c() { echo $((3 + $1)) $((194 + $2)); }

click "${single[@]}"
drag $(c 240 216) $(c 282 240)
drag $(c 282 288) $(c 240 312)
drag $(c 198 288) $(c 198 240)
drag $(c 240 216) $(c 240 168)
drag $(c 282 288) $(c 324 312)
click "${double[@]}"
drag $(c 282 240) $(c 282 288)
drag $(c 240 312) $(c 198 288)
drag $(c 198 240) $(c 240 216)
click "${fill[@]}"
click $(c 240 264)
for placed in "letterO 240 150" "letterH 276 150" "letterC 340 318" "letterH 376 318"; do
    set -- $placed
    declare -n button=$1
    click "${button[@]}"
    drag $(c "$2" "$3") $(c "$2" "$3")
done
click "${arrow[@]}"
drag $(c 420 264) $(c 564 264)
sleep 1
import -window root "$out/zoom100.png"
for _ in 1 2 3 4; do click "${zoomUp[@]}"; done
sleep 1
import -window root "$out/zoom200.png"
xdotool key ctrl+s; sleep 1.5
xdotool type "$out/formula.fga"; xdotool key Return; sleep 1
echo "screenshots and formula.fga in $out"
