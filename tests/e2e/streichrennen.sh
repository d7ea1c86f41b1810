#!/usr/bin/env bash
# A doubled Shift+1 taken back with Ctrl+1, as a racer does it: the real program under
# Xvfb, a five-lap race by hand where lane 1's third crossing is pressed twice in quick
# succession and the extra lap taken back at once. The result file must still show five
# laps per lane, none of them the doubled press's fraction of a second, and the signal log
# must say which lap went.
# Usage: streichrennen.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
einstellungen runden=5 PermanentesLogging=True fahrer1=Anna fahrer2=Jürgen port=?
programmStarten "$1"

nurTastatur
losfahren
for runde in 0 1 2 3 4 5; do
    xdotool key shift+1
    if [ "$runde" = 2 ]; then
        sleep 0.1
        xdotool key shift+1 # pressed twice
        sleep 0.2
        xdotool key ctrl+1 # and taken back
    fi
    sleep 0.3
    xdotool key shift+2
    sleep 0.9
done
hofEintragen

text=$(ergebnisdatei)
rundenPruefen "$text" 5
# Every lap of lane 1 is a real one: over a second, never the 0,1 s of the doubled press.
for r in 1 2 3 4 5; do
    zeit=$(sed -n "$((r + 2))p" <<<"$text" | cut -f2)
    [ "${zeit%%,*}" -ge 1 ] || fehler "Runde $r von Spur 1 ist $zeit s: $text"
done
grep -qP '\tStrg\+1\tSpur 1\t[0-9.]+\tgestrichen\tRunde 3 \(0\.[0-9]+ s\) gestrichen$' \
    "$arbeit/signale.txt" || fehler "Signalprotokoll: $(cat "$arbeit/signale.txt")"
echo "Streichrennen: die doppelte Runde ist gestrichen, fünf echte Runden je Spur."
