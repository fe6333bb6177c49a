#!/usr/bin/env bash
# Starts Vostrel on the current (virtual) display and saves a picture of its window.
# Usage: screenshot.sh OUTPUT.png
set -euo pipefail
out=$1
root=$(cd "$(dirname "$0")/.." && pwd)
wine "$root/build/windows/vostrel.exe" &
program=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name '^Vostrel$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "screenshot: the window did not appear" >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y, WIDTH, HEIGHT
grab() { import -silent -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$1"; }
# Wait until the window has painted: its picture stops changing.
mkdir -p "$(dirname "$out")"
previous=""
for _ in $(seq 50); do
  grab "$out"
  current=$(md5sum <"$out")
  [ "$current" = "$previous" ] && break
  previous=$current
  sleep 0.2
done
xdotool key Escape  # the window has the focus; Esc closes it
wait "$program"
echo "saved $out"
