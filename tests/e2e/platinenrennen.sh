#!/usr/bin/env bash
# A race timed by the sensor board: its real firmware in the simulated AVR, bridged to a
# pseudo-terminal in real time; the real program on the other end with a flying start. The
# program must recognise the board by its hello, and the result file must hold the lap
# times of the simulated crossings to the millisecond.
# Usage: platinenrennen.sh PATH/TO/rundomat PATH/TO/rundomat-board-sim
source "$(dirname "$0")/gemeinsam.sh"
"$2" --lap 1.5 >"$arbeit/platine.txt" 2>&1 &
nebenprozess=$!
for _ in $(seq 100); do [ -s "$arbeit/platine.txt" ] && break; sleep 0.1; done
pty=$(head -n1 "$arbeit/platine.txt")
[ -e "$pty" ] || fehler "kein Pseudoterminal von der Platine: $(cat "$arbeit/platine.txt")"

einstellungen runden=3 PermanentesLogging=True ohneCountdown=True prellzeit=1 "port=$pty"
anzeigeStarten de
programmStarten "$1" --signal-log "$arbeit/signale.txt"
fenster '^Rundomat$'
for _ in $(seq 100); do grep -q "Platine erkannt" "$arbeit/signale.txt" 2>/dev/null && break; sleep 0.1; done
grep -q "Platine erkannt" "$arbeit/signale.txt" || fehler "keine Platine erkannt: $(cat "$arbeit/ausgabe.txt")"
xdotool key Return
text=$(ergebnisdatei 300)
rundenPruefen "$text" 3

# The lap times the program must show: the first crossing starts the race clock and its
# lane's lap 1; the other lane's lap 1 runs from that start to its second crossing.
erwartet=$(awk '
    /^Spur [12]: Durchfahrt bei / {
        spur = substr($2, 1, 1); t = int($5 * 1000 + 0.5)
        n[spur]++; c[spur, n[spur]] = t
        if (start == "") { start = t; erste = spur }
    }
    END {
        for (r = 1; r <= 3; r++) {
            zeile = r
            for (spur = 1; spur <= 2; spur++) {
                ms = (spur == erste || r > 1) ? c[spur, r + 1] - c[spur, r] : c[spur, 2] - start
                zeile = zeile sprintf("\t%d,%03d", int(ms / 1000), ms % 1000)
            }
            print zeile
        }
    }' "$arbeit/platine.txt")
gemessen=$(sed -n '3,5p' <<<"$text" | awk -F'\t' '{ print $1 "\t" $2 "\t" $4 }')
[ "$gemessen" = "$erwartet" ] ||
    fehler "Rundenzeiten: gemessen
$gemessen
simuliert
$erwartet"
grep -q $'Platine Eingang 1 fällt\tSpur 1\t.*Platinenzeit [0-9]* µs' "$arbeit/signale.txt" ||
    fehler "keine Platinenstempel im Signalprotokoll: $(cat "$arbeit/signale.txt")"
echo "Platinenrennen: drei Runden je Spur, auf die Millisekunde wie simuliert."
