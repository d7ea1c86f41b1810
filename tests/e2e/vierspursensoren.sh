#!/usr/bin/env bash
# A four-lane race through the real sensor path: the sensor emulator drives CD, DSR, CTS
# and RI of one pseudo-terminal, RI as a UART that reports only its trailing edge, and the
# real program (--spuren 4) watches all four lines. The script starts at green: every lane
# crosses four times, lanes 3 and 4 once in the same millisecond, and CTS bounces after a
# counted drop. The race by laps ends only once every lane is home, so the result file
# tells that lanes 3 and 4 drove all their laps; lanes 1 and 2's lap times in it, and
# every lane's accepted signals in the signal log, must match the emulator's crossings
# within 100 ms (as in sensorrennen.sh).
# Usage: vierspursensoren.sh PATH/TO/rundomat PATH/TO/rundomat-sensor-emulator
source "$(dirname "$0")/gemeinsam.sh"
cat >"$arbeit/skript.txt" <<'SKRIPT'
# Zeit ab Grün [s]   Spur | Leitung Pegel
0.300 1
0.320 2
0.340 3
0.360 4         # RI steigt 10 ms vorher: kein Zähler, kein Weckruf
0.380 CTS 1     # CTS prellt nach der gezählten Flanke
0.385 CTS 0
1.400 1
1.420 2
1.440 3         # Spur 3 und 4 in derselben Millisekunde
1.440 4
2.500 1
2.520 2
2.540 3
2.560 4
3.600 1
3.620 2
3.640 3
3.660 4
SKRIPT
sensorEmulatorStarten "$2" emulator --script "$arbeit/skript.txt" --at-green
einstellungen runden=3 PermanentesLogging=True prellzeit=1 "port=$pty"
anzeigeStarten de
programmStarten env "LD_PRELOAD=$vorladen" "$1" --spuren 4
fenster '^Rundomat$'
xdotool key Return
text=$(ergebnisdatei 250)
rundenPruefen "$text" 3
rec="$arbeit/emulator.rec"
rundenVergleichen "$text" 2 "$(wahreRunden "$rec" 1)" 100
rundenVergleichen "$text" 4 "$(wahreRunden "$rec" 2)" 100

# Every lane's accepted signals, one for each crossing, at the crossing's moment: the
# signal log's first column and the record are both the monotonic clock.
signale="$arbeit/signale.txt"
for spur in 1 2 3 4; do
    paste <(awk -v s="$spur" '$1 == "durchfahrt" && $3 == s { printf "%.4f\n", $2 / 1e9 }' "$rec") \
        <(awk -F'\t' -v s="Spur $spur" '$3 == s && $5 == "angenommen" { print $1 }' "$signale") |
        awk -v spur="$spur" '
            { n++; d = ($1 - $2) * 1000; if (d < 0) d = -d
              if ($1 == "" || $2 == "" || d > 100) { print "Spur " spur ", Durchfahrt " n ": wahr " $1 ", Signal " $2; f = 1 } }
            END { if (n != 4) { print "Spur " spur ": " n " statt 4 Durchfahrten"; f = 1 }; exit f }' ||
        fehler "Spur $spur: Signale weichen von den Durchfahrten ab: $(cat "$signale")"
done

# CTS's bounce after its counted drop: the rise counts for no lane, the drop within the
# debounce time is refused. RI's rise, which no counter saw, shows with its drop.
grep -qP '\tCTS steigt\t-\t[0-9.]+\tignoriert' "$signale" || fehler "CTS steigt: $(cat "$signale")"
grep -qP '\tCTS fällt\tSpur 3\t[0-9.]+\tgeprellt' "$signale" || fehler "CTS prellt: $(cat "$signale")"
grep -qP '\tRI steigt\t-\t[0-9.]+\tignoriert\tZeit ungenau: mit einer späteren Änderung' \
    "$signale" || fehler "RI steigt: $(cat "$signale")"
echo "Vierspurige Sensoren: jede Spur auf ihrer Leitung, Runden und Zeiten wie im Emulator."
