#!/usr/bin/env bash
# The spectators' page of a three-driver night on the track simulator (zuschauerabend.py):
# before it the standings and "Als Nächstes" with the plan's first pair, during a Lauf the
# night's line, after the first Begegnung (Enter alone) the next pair and new standings.
# Usage: zuschauerabend.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
rundomat=$1
einstellungen runden=4 PermanentesLogging=True prellzeit=0,3
"$rundomat" --rennabend-plan "Anna,Bert,Carla" >"$arbeit/plan.txt"
paar() { sed -n "$1p" "$arbeit/plan.txt" | cut -f2,3 | tr '\t' ' '; }
anzeigeStarten de
port=$(python3 -c 'import socket; s = socket.socket(socket.AF_INET6); s.bind(("::1", 0)); print(s.getsockname()[1])')
programmStarten "$rundomat" --simulate=0.5 --rennabend "Anna,Bert,Carla" --web="[::1]:$port"
fenster '^Rundomat$'
xdotool key shift+z
"$(dirname "$0")/zuschauerabend.py" "http://[::1]:$port/" "$arbeit" "$(paar 1)" "$(paar 2)" \
    >"$arbeit/seite.txt" 2>"$arbeit/seite.err" &
nebenprozess=$!
for _ in $(seq 600); do # the page shows the night before it begins
    grep -qx vorher "$arbeit/seite.txt" && break
    kill -0 "$nebenprozess" 2>/dev/null || fehler "Seite: $(cat "$arbeit/seite.txt" "$arbeit/seite.err")"
    sleep 0.1
done

for lauf in 1 2; do
    xdotool key Return
    ergebnisdatei 600 "$lauf" >/dev/null
done
fenster 'Ergebnis Spurwechselmodus'
xdotool key Return
fenster '^Rundomat$'
wait "$nebenprozess" || fehler "Seite: $(cat "$arbeit/seite.txt" "$arbeit/seite.err")"
grep -qx gut "$arbeit/seite.txt" || fehler "Seite: $(cat "$arbeit/seite.txt")"
[ -z "${ZUSCHAUER_BILDER:-}" ] || cp "$arbeit"/abend-*.png "$ZUSCHAUER_BILDER/"
echo "Zuschauer am Rennabend: Tabelle und „Als Nächstes“ zwischen den Begegnungen."
