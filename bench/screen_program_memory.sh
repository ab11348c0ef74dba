#!/usr/bin/env bash
# Peak memory of the whole program for one animated screen plot under a private Xvfb:
# Eros around the Earth over the span given (default 20 years at 0.01: 2001 frames),
# the window dismissed with the right button once it waits, then quit.
# Usage: bench/screen_program_memory.sh [span,step] [program]
set -euo pipefail
span="${1:-20,0.01}"
program="$(realpath "${2:-build/bin/skytrak3d}")"
catalogue="$(realpath "$(dirname "$0")/../data/nea.dat")"
work=$(mktemp -d)
cleanup() { [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
cd "$work"
cp "$catalogue" nea.dat
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>display.txt 2>/dev/null &
xvfb=$!
for _ in $(seq 200); do [ -s display.txt ] && break; sleep 0.05; done
export DISPLAY=":$(cat display.txt)" SDL_VIDEODRIVER=x11
mkfifo answers
exec 4<>answers
/usr/bin/time -v -o time.txt "$program" <answers >out.txt 2>err.txt &
run=$!
printf '3\n00433\n%s\nS,-1,0,5,Y\n' "$span" >&4
window=""
for _ in $(seq 6000); do
  window=$(xdotool search --name 'PLOTIX 1 / Click MB2' 2>/dev/null | head -1) && [ -n "$window" ] && break
  kill -0 "$run" 2>/dev/null || break
  sleep 0.02
done
[ -n "$window" ] || { echo "no waiting window"; cat err.txt; exit 1; }
xdotool mousemove --window "$window" 400 300 click 3
for _ in $(seq 3000); do grep -q 'CHOOSE AN OPTION' out.txt && break; sleep 0.02; done
printf '8\n' >&4
wait "$run"
frames=$(($(wc -l <'00433  .xyz') - 1))
echo "frames: $frames, $(grep 'Maximum resident' time.txt | sed 's/^[[:space:]]*//')"
