#!/usr/bin/env bash
# The sensor emulator's command line: without any argument it prints its usage in German
# and ends instead of holding a terminal whose lines never move; --help is German through
# and through; --record alone still gives a terminal whose lines stay still, as the idle
# benchmark (bench/sensorleerlauf.sh) uses it.
# Usage: aufruf.sh PATH/TO/rundomat-sensor-emulator
set -uo pipefail
emulator=$1
arbeit=$(mktemp -d)
kind=""
trap '[ -n "$kind" ] && kill "$kind" 2>/dev/null; rm -rf "$arbeit"' EXIT
fehler() { echo "FEHLER: $*" >&2; exit 1; }

timeout 10 "$emulator" >"$arbeit/aus.txt" 2>"$arbeit/fehler.txt"
status=$?
[ "$status" = 2 ] || fehler "ohne Argumente: Status $status statt 2: $(cat "$arbeit/aus.txt")"
[ ! -s "$arbeit/aus.txt" ] || fehler "ohne Argumente ein Terminal: $(cat "$arbeit/aus.txt")"
head -n1 "$arbeit/fehler.txt" | grep -q '^Aufruf: .*rundomat-sensor-emulator \[Optionen\]' ||
    fehler "ohne Argumente keine Aufrufzeile: $(cat "$arbeit/fehler.txt")"
grep -q -- '--lap <SEKUNDEN>' "$arbeit/fehler.txt" ||
    fehler "ohne Argumente ohne die Optionen: $(cat "$arbeit/fehler.txt")"

hilfe=$(timeout 10 "$emulator" --help) || fehler "--help: Status $?"
grep -qE 'Usage|Options|Arguments|Displays' <<<"$hilfe" && fehler "--help auf Englisch: $hilfe"
grep -q '^Aufruf: ' <<<"$hilfe" && grep -q '^Optionen:' <<<"$hilfe" &&
    grep -q '^Argumente:' <<<"$hilfe" || fehler "--help: $hilfe"

"$emulator" --record "$arbeit/still.rec" >"$arbeit/still.txt" 2>"$arbeit/still.err" &
kind=$!
for _ in $(seq 100); do
    [ "$(wc -l <"$arbeit/still.txt")" -ge 2 ] && break
    sleep 0.1
done
pty=$(sed -n 1p "$arbeit/still.txt")
[ -e "$pty" ] || fehler "--record allein: kein Terminal: $(cat "$arbeit/still.txt" "$arbeit/still.err")"
sleep 0.5
kill -0 "$kind" 2>/dev/null || fehler "--record allein endet: $(cat "$arbeit/still.err")"
echo "Sensor-Emulator: ohne Argumente die Aufrufhilfe, --help auf Deutsch, --record allein läuft."
