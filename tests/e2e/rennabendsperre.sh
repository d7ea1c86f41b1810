#!/usr/bin/env bash
# Two programs on one data folder during a race night. The first drives the night begun on
# its command line and marks it beside the race database. The second, started beside it, is
# not asked to go on with that night but told that another Rundomat drives it, and races
# without it: its race is stored outside the night, whose row it leaves alone. Then the
# first is killed: its mark stays behind, and a program started now is asked to go on with
# the night all the same and takes the mark over.
# Usage: rennabendsperre.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
rundomat=$1
einstellungen runden=3 prellzeit=0,3

# The history's export as JSON, once the test on it holds (a Python expression on `j`).
exportiert() { bisExportiert "$rundomat" "$arbeit/alle.json" jsonGilt "$arbeit/alle.json" "$1"; }
marke() { ls "$arbeit/daten"/rennabend-*.lock 2>/dev/null | head -n1; }
# Gives the keyboard to a window of the program with that PID whose title matches.
fensterVon() {
    local id=""
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --pid "$1" --name "$2" 2>/dev/null | tail -n1 || true)
        [ -n "$id" ] && break
        kill -0 "$1" 2>/dev/null || fehler "Programm $1 ist beendet"
        sleep 0.1
    done
    [ -n "$id" ] || fehler "kein Fenster '$2' von Programm $1"
    xdotool windowfocus --sync "$id"
    sleep 0.2
}

programmStarten --lesbar "$rundomat" --simulate=0.6 --rennabend "Anna,Bert,Carla"
erster=$app
fenster "$hauptfenstertitel"
exportiert 'len(j["rennabende"]) == 1 and not j["rennabende"][0]["beendet"]'
[ -n "$(marke)" ] || fehler "keine Marke des Rennabends in $arbeit/daten"

"$rundomat" --simulate=0.6 --data-dir "$arbeit/daten" --signal-log "$arbeit/signale2.txt" \
    >"$arbeit/ausgabe2.txt" 2>&1 &
zweiter=$!
nebenprozess=$zweiter
fensterVon "$zweiter" '^Rennabend$'
zeigt "^Label\\tDer Rennabend vom [0-9.]+ läuft schon in einem anderen Rundomat auf diesem Datenordner \\(Prozess $erster\\)\\. Hier geht es ohne Rennabend weiter\\.\$"
xdotool key Return
# Enter starts its race. On a busy machine the key may reach the window before it has the
# keyboard back from the message: without a green light within 15 s it is pressed again (a
# countdown under way would have turned green by then).
for _ in 1 2 3; do
    fensterVon "$zweiter" "$hauptfenstertitel"
    xdotool key Return
    for _ in $(seq 150); do
        grep -q $'\tAmpel grün\t' "$arbeit/signale2.txt" 2>/dev/null && break 2
        sleep 0.1
    done
done
grep -q $'\tAmpel grün\t' "$arbeit/signale2.txt" || fehler "das zweite Programm startet kein Rennen"
exportiert 'len(j["rennen"]) == 1 and "rennabend" not in j["rennen"][0]
    and not j["rennabende"][0]["rennen"] and not j["rennabende"][0]["beendet"]'
kill "$zweiter"
wait "$zweiter" 2>/dev/null || true

kill -9 "$erster"
wait "$erster" 2>/dev/null || true
[ -n "$(marke)" ] || fehler "die Marke des getöteten Programms ist fort"
programmStarten "$rundomat" --simulate=0.6
fensterVon "$app" '^Rennabend$'
zeigt '^Label\tDer Rennabend vom [0-9.]+ ist noch nicht zu Ende \(0 von 3 Begegnungen gefahren\)\. Weiterfahren\?$'
xdotool key Return
fensterVon "$app" "$hauptfenstertitel"
for _ in $(seq 100); do
    [ "$(head -n1 "$(marke)" 2>/dev/null)" = "$app" ] && break
    sleep 0.1
done
[ "$(head -n1 "$(marke)")" = "$app" ] || fehler "die Marke nennt nicht $app: $(cat "$(marke)")"
echo "Rennabendsperre: ein zweites Programm fährt ohne den Rennabend, die Marke eines getöteten hält ihn nicht."
