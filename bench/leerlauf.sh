#!/usr/bin/env bash
# Idle CPU of the real program between races, in two cases. With its port open: the timing
# box's port on the box emulator's pseudo-terminal, which sends its time frame ten times a
# second (the sensor port's watcher is measured by sensorleerlauf.sh). And during a race
# night, a Lauf just ended on the simulated track, with the Hall of Fame's question open:
# the night has counted the Lauf and waits for Start with the next one. Prints one figure
# line each; the night's in CPU ticks per 10 s, where anything but a few is a fault.
# Usage: leerlauf.sh PATH/TO/rundomat PATH/TO/rundomat-box-emulator [SECONDS]
source "$(dirname "$0")/../tests/e2e/gemeinsam.sh"
sekunden=${3:-60}

cpu() { awk '{ print $14 + $15 }' "/proc/$app/stat"; }
# The CPU ticks the program takes in the measured seconds.
messen() {
    local vorher
    vorher=$(cpu)
    sleep "$sekunden"
    echo $(($(cpu) - vorher))
}

"$2" --lap 3600 >"$arbeit/emulator.txt" 2>&1 &
nebenprozess=$!
for _ in $(seq 50); do [ -s "$arbeit/emulator.txt" ] && break; sleep 0.1; done
pty=$(head -n1 "$arbeit/emulator.txt")
[ -e "$pty" ] || fehler "kein Pseudoterminal vom Emulator: $(cat "$arbeit/emulator.txt")"
einstellungen RaceControl=True "port=$pty"
anzeigeStarten de
programmStarten "$1"
fenster '^Rundomat$' # started up
awk -v t="$(messen)" -v hz="$(getconf CLK_TCK)" -v s="$sekunden" \
    'BEGIN { printf "figure idle_cpu_box_port_open %.2f %%\n", t / hz / s * 100 }'
kill "$app"
wait "$app" 2>/dev/null || true
beantwortet="" # the next program's windows may get the ids of this one's

# Five laps, so that the Lauf is offered to the empty Hall of Fame.
einstellungen runden=5 prellzeit=0,3 RennabendFormat=Rotation
programmStarten "$1" --simulate=0.5 --rennabend "Anna,Bert,Carla"
fenster '^Rundomat$'
losfahren
fenster 'Gut gefahren' 600
awk -v t="$(messen)" -v s="$sekunden" \
    'BEGIN { printf "figure idle_cpu_night_question_open %.0f ticks_per_10_s\n", t * 10 / s }'
