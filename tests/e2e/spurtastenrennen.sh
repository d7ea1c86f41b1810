#!/usr/bin/env bash
# A race on lanes 3 and 4 of a four-lane track, given by keyboard as a racer does: lanes 1
# and 2 have no car tonight, Shift+3 and Shift+4 count the laps as real key events (by the
# digit key, whatever it prints: "§" and "$" on a German keyboard), Ctrl+4 takes a doubled
# lap back. Carla on lane 3 is home first and goes into the Hall of Fame; the result file
# has a column pair per lane with lanes 1 and 2 empty, and the signal log shows nothing
# counted on a free lane.
# Usage: spurtastenrennen.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
einstellungen runden=5 PermanentesLogging=True Spuranzahl=4 FreieSpuren=1,2 fahrer3=Carla \
    fahrer4=Dora NachSiegerBeenden=False port=?
programmStarten "$1"
nurTastatur
losfahren
for runde in 0 1 2 3 4 5; do
    xdotool key shift+3
    sleep 0.3
    xdotool key shift+4
    if [ "$runde" = 1 ]; then
        sleep 0.3
        xdotool key shift+4
        sleep 0.3
        xdotool key ctrl+4
        # A lane that is free: its key does nothing.
        xdotool key shift+1
    fi
    sleep 0.9
done
hofEintragen

text=$(ergebnisdatei)
[ "$(sed -n 1p <<<"$text")" = \
    $'\tFahrer 1\tFahrer 1\tFahrer 2\tFahrer 2\tFahrer 3\tCarla\tFahrer 4\tDora\t' ] ||
    fehler "Zeile 1: $text"
for r in 1 2 3 4 5; do
    grep -qE "^$r					[0-9]+,[0-9]{3}	[0-9]+,[0-9]{3}	[0-9]+,[0-9]{3}	[0-9]+,[0-9]{3}$" \
        <<<"$(sed -n "$((r + 2))p" <<<"$text")" || fehler "Runde $r: $text"
done
hof=$(tr -d '\r' <"$arbeit/daten/hof.ini")
grep -qE '^[0-9]+,[0-9]+;Carla$' <<<"$(sed -n 1p <<<"$hof")" || fehler "hof.ini: $hof"
echo "Spurtastenrennen: fünf Runden auf den Spuren 3 und 4 von Hand, Ergebnisdatei und hof.ini stimmen."
