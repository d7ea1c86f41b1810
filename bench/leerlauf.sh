#!/usr/bin/env bash
# Idle CPU of the real program between races with its port open: the timing box's port on
# the box emulator's pseudo-terminal, which sends its time frame ten times a second. The
# sensor port's watcher is measured by sensorleerlauf.sh. Prints one figure line.
# Usage: leerlauf.sh PATH/TO/rundomat PATH/TO/rundomat-box-emulator [SECONDS]
source "$(dirname "$0")/../tests/e2e/gemeinsam.sh"
sekunden=${3:-60}

"$2" --lap 3600 >"$arbeit/emulator.txt" 2>&1 &
nebenprozess=$!
for _ in $(seq 50); do [ -s "$arbeit/emulator.txt" ] && break; sleep 0.1; done
pty=$(head -n1 "$arbeit/emulator.txt")
[ -e "$pty" ] || fehler "kein Pseudoterminal vom Emulator: $(cat "$arbeit/emulator.txt")"
einstellungen RaceControl=True "port=$pty"
anzeigeStarten de
programmStarten "$1"
fenster '^Rundomat$' # started up

cpu() { awk '{ print $14 + $15 }' "/proc/$app/stat"; }
vorher=$(cpu)
sleep "$sekunden"
nachher=$(cpu)
awk -v t=$((nachher - vorher)) -v hz="$(getconf CLK_TCK)" -v s="$sekunden" \
    'BEGIN { printf "figure idle_cpu_box_port_open %.2f %%\n", t / hz / s * 100 }'
