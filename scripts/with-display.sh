#!/usr/bin/env bash
# Runs a command on a virtual display of its own, and stops the display and the
# prefix's Wine server afterwards (only what this script started).
# Usage: with-display.sh COMMAND...
# VOSTREL_SCREEN (default 1280x1024) sets the size of the display.
# VOSTREL_MONITORS splits it into monitors: a comma-separated list of
# `xrandr --setmonitor` arguments, NAME GEOMETRY OUTPUT each, a name starting
# with * marking the primary. They are made before any Wine program starts,
# since Wine reads the monitors once, when its server starts; the prefix must
# read them through Xinerama (wine-prefix.sh --xinerama).
set -uo pipefail
screen=${VOSTREL_SCREEN:-1280x1024}
monitors=${VOSTREL_MONITORS:-}

# Xvfb picks a free display number itself and writes it to the file once it
# accepts connections: no guessing at lock files.
number_file=$(mktemp)
log_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 "${screen}x24" -noreset -nolisten tcp 3>"$number_file" >"$log_file" 2>&1 &
xvfb=$!
cleanup() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
  rm -f "$number_file" "$log_file"
}
trap cleanup EXIT

for _ in $(seq 200); do
  [ -s "$number_file" ] && break
  kill -0 "$xvfb" 2>/dev/null || break
  sleep 0.05
done
display=$(head -n 1 "$number_file")
if [ -z "$display" ]; then
  echo "with-display: no virtual display came up; Xvfb said:" >&2
  cat "$log_file" >&2
  exit 1
fi
export DISPLAY=":$display"
if [ -n "$monitors" ]; then
  IFS=, read -ra monitor_list <<<"$monitors"
  for monitor in "${monitor_list[@]}"; do
    read -ra arguments <<<"$monitor"
    if ! xrandr --setmonitor "${arguments[@]}" >/dev/null; then
      echo "with-display: cannot make monitor '$monitor'" >&2
      exit 1
    fi
  done
fi
if [ -n "${WINEPREFIX:-}" ]; then
  # One Wine server for the whole command, not one per program it starts, and
  # Wine's own services started now, away from the command's output: started
  # by the first program of the command, they would inherit its pipes and
  # keep them open, and whoever reads them would wait for ever.
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
fi
"$@"
