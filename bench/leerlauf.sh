#!/usr/bin/env bash
# Idle CPU of the real program between races with its port open: the timing box's port on
# the box emulator's pseudo-terminal, which sends its time frame ten times a second. (A
# pseudo-terminal has no modem lines, so the sensor port's watcher, which sleeps in the
# kernel until a line changes, cannot be measured here.) Prints one figure line.
# Usage: leerlauf.sh PATH/TO/rundomat PATH/TO/rundomat-box-emulator [SECONDS]
set -euo pipefail
sekunden=${3:-60}
arbeit=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; rm -rf "$arbeit"' EXIT

"$2" --lap 100000 >"$arbeit/emulator.txt" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -s "$arbeit/emulator.txt" ] && break; sleep 0.1; done
mkdir -p "$arbeit/config/rundomat"
printf '[einstellung]\nRaceControl=True\nport=%s\n' "$(head -n1 "$arbeit/emulator.txt")" \
    >"$arbeit/config/rundomat/rundomat.conf"

anzeige=$(( 200 + RANDOM % 700 ))
Xvfb ":$anzeige" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 1
DISPLAY=":$anzeige" XDG_CONFIG_HOME="$arbeit/config" XDG_RUNTIME_DIR="$arbeit" \
    "$1" --data-dir "$arbeit" >/dev/null 2>&1 &
programm=$!
pids+=($programm)
sleep 3 # start-up

cpu() { awk '{ print $14 + $15 }' "/proc/$programm/stat"; }
vorher=$(cpu)
sleep "$sekunden"
nachher=$(cpu)
awk -v t=$((nachher - vorher)) -v hz="$(getconf CLK_TCK)" -v s="$sekunden" \
    'BEGIN { printf "figure idle_cpu_box_port_open %.2f %%\n", t / hz / s * 100 }'
