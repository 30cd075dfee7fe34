#!/usr/bin/env bash
# The processor time Quillet takes in the 4 s after each of a series of window resizes, with the
# stage shown, on Xvfb under openbox. Needs xvfb, openbox and xdotool.
#   bench/stage-rest.sh [build dir] [preset name]
set -euo pipefail
BUILD=${1:-build}
PRESET=${2:-iPhone 8}
APP=$(realpath "$BUILD/src/app/quillet")
WORK=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$WORK"' EXIT
mkdir -p "$WORK/game" "$WORK/config/Quillet"
echo '-- the game' >"$WORK/game/main.lua"
echo "application = { content = { width = 320, height = 480, scale = 'letterbox' } }" >"$WORK/game/config.lua"
echo '{"format": "quillet-workspace", "version": 1, "objects": []}' >"$WORK/game/level.quillet"
printf '[stage]\nshown=true\nscreen=%s\n' "$PRESET" >"$WORK/config/Quillet/Quillet.conf"
export DISPLAY=:${DISPLAY_NUMBER:-77}
Xvfb "$DISPLAY" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
sleep 1
openbox >/dev/null 2>&1 &
sleep 1
XDG_CONFIG_HOME="$WORK/config" "$APP" "$WORK/game/level.quillet" >/dev/null 2>&1 &
PID=$!
WINDOW=$(xdotool search --sync --onlyvisible --pid "$PID" | head -1)
sleep 2
ticks() { awk '{ print $14 + $15 }' "/proc/$PID/stat"; }
HZ=$(getconf CLK_TCK)
for size in "1000 700" "1047 733" "1100 760" "1155 719" "1183 829" "1200 850" "1261 871" "1300 900"; do
    xdotool windowsize "$WINDOW" $size
    before=$(ticks)
    sleep 4
    after=$(ticks)
    xdotool getwindowgeometry "$WINDOW" | sed -n 3p
    awk -v s="$size" -v t=$((after - before)) -v hz="$HZ" 'BEGIN { printf "%s: %.2f s\n", s, t / hz }'
done
