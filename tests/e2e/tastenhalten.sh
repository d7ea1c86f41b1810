#!/usr/bin/env bash
# A held key acts once, whatever the X server repeats while it is down and however late the
# program gets to the events: a race by hand in the real program under Xvfb, the keys held
# down with xdotool for a second and more (the server's own auto-repeat, 25 a second after
# 660 ms), with "belastet" beside busy loops that keep every core at work. Every hold is one
# lap, and a quick double press two: the race ends with exactly those laps.
# Usage: tastenhalten.sh PATH/TO/rundomat [ruhig|belastet]
source "$(dirname "$0")/gemeinsam.sh"
last=""
trap 'kill $last 2>/dev/null || true; aufraeumen' EXIT

einstellungen runden=4 PermanentesLogging=True port=?
unset PULSE_SERVER
programmStarten "$1"
nurTastatur
if [ "${2:-ruhig}" = belastet ]; then
    for _ in $(seq $(( $(nproc) * 2 ))); do
        yes >/dev/null &
        last="$last $!"
    done
fi

halten() { # key, seconds
    xdotool keydown "shift+$1"
    sleep "$2"
    xdotool keyup "shift+$1"
    sleep 0.3
}
losfahren
# The first press of a lane crosses the start line; every further one is a lap.
for _ in 1 2 3; do
    halten 1 1.5
    halten 2 1.2
done
halten 1 1.5
# Lane 2's last two laps: two presses as quick as a finger.
xdotool key shift+2
sleep 0.15
xdotool key shift+2
sleep 0.3
halten 1 1.5
# The race is over only if every press counted, the quick second one too.
text=$(ergebnisdatei 300)
rundenPruefen "$text" 4
# No lap made by a held key, which would last 40 to 100 ms: lane 1's four laps and lane 2's
# first three last a hold and the pause after it.
kurz=$(sed -n 3,6p <<<"$text" | awk -F'\t' '{ gsub(",", ".") }
    $2 < 1 || (NR < 4 && $4 < 1) { print "Runde " $1 ": " $2 " / " $4 }')
[ -z "$kurz" ] || fehler "Runden aus einer gehaltenen Taste: $kurz
$text"
echo "Tastenhalten (${2:-ruhig}): jede gehaltene Taste eine Runde, der schnelle Doppeldruck zwei."
