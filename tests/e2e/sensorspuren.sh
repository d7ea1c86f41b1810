#!/usr/bin/env bash
# A race of four or eight lanes through the real sensor path: the sensor emulator drives
# CD, DSR, CTS and RI of a pseudo-terminal (lanes 1 to 4) and, for eight lanes, of a
# second one (lanes 5 to 8, the setting port2), RI as a UART that reports only its
# trailing edge; the real program (--spuren N) watches every line. The script starts at
# green: every lane crosses four times, lanes 3 and 4 once in the same millisecond, and
# CTS bounces after a counted drop. The race by laps ends only once every lane is home;
# every lane's lap times in the result file, and its accepted signals in the signal log,
# must match the emulator's crossings within 100 ms (as in sensorrennen.sh). Both ports'
# RTS follow the light.
# With "8getrennt" the second port fails like a pulled adapter after the first crossings:
# the program says so, lanes 1 to 4 go on counting, lanes 5 to 8 end by keys.
# Usage: sensorspuren.sh PATH/TO/rundomat PATH/TO/rundomat-sensor-emulator 4|8|8getrennt
source "$(dirname "$0")/gemeinsam.sh"
spuren=${3%getrennt}
trennen=()
[ "$3" != "$spuren" ] && trennen=(--unplug2 1.0)
awk -v spuren="$spuren" 'BEGIN {
    for (runde = 0; runde < 4; runde++)
        for (spur = 1; spur <= spuren; spur++) {
            # Lanes 3 and 4 in the same millisecond once.
            t = 0.3 + runde * 1.1 + (runde == 1 && spur == 4 ? 2 : spur - 1) * 0.02
            printf "%.3f %d\n", t, spur
            if (runde == 0 && spur == 3)
                printf "%.3f CTS 1\n%.3f CTS 0\n", t + 0.041, t + 0.045
        } }' | sort -s -g -k1,1 >"$arbeit/skript.txt"
sensorEmulatorStarten "$2" emulator --script "$arbeit/skript.txt" --at-green "${trennen[@]}"
ports=("port=$pty")
if [ "$spuren" -gt 4 ]; then
    warteAufZeilen "$arbeit/emulator.txt" 3 100
    pty2=$(sed -n 3p "$arbeit/emulator.txt")
    [ -e "$pty2" ] || fehler "kein zweites Terminal: $(cat "$arbeit/emulator".{txt,err})"
    ports+=("port2=$pty2")
fi
einstellungen runden=3 PermanentesLogging=True prellzeit=1 "${ports[@]}"
programmStarten env "LD_PRELOAD=$vorladen" "$1" --spuren "$spuren"
rennenStarten
rec="$arbeit/emulator.rec"
if [ ${#trennen[@]} -gt 0 ]; then
    warteAufZeile "$rec" '^getrennt2 ' 300
    fenster "$hauptfenstertitel" # the message over the main window, which keeps its title
    xdotool key Return
    fenster "$hauptfenstertitel"
    # Once lane 4 is home behind the winner, lanes 5 to 8 cross by hand.
    warteAufZeile "$rec" '^durchfahrt [0-9]+ 4 3$' 300
    for _ in $(seq 300); do
        [ "$(grep -cP '\tSpur 4\t[0-9.]+\tangenommen' "$arbeit/signale.txt")" -ge 4 ] && break
        sleep 0.1
    done
    for spur in 5 6 7 8; do
        xdotool key "shift+$spur"
        sleep 0.2
    done
fi
text=$(ergebnisdatei 250)
# A time and a speed for every lane in rows 1 to 3 of the result file, then the totals;
# the lap times of the lanes the sensors timed to the end against the emulator's.
gemessen=$([ ${#trennen[@]} -gt 0 ] && echo 4 || echo "$spuren")
for zeile in 1 2 3 '->'; do
    nummer=$([ "$zeile" = '->' ] && echo 6 || echo $((zeile + 2)))
    grep -qE "^$zeile(	[0-9]+,[0-9]{3}){$((2 * gemessen))}(	.*)?$" \
        <<<"$(sed -n "${nummer}p" <<<"$text")" || fehler "Zeile $zeile der Ergebnisdatei: $text"
done
for spur in $(seq "$gemessen"); do
    rundenVergleichen "$text" $((2 * spur)) "$(wahreRunden "$rec" "$spur")" 100
done

# Every lane's accepted signals, one for each crossing, at the crossing's moment: the
# signal log's first column and the record are both the monotonic clock.
signale="$arbeit/signale.txt"
for spur in $(seq "$spuren"); do
    # A failed port's lanes count up to its failure.
    ende=$([ "$spur" -gt 4 ] && echo getrennt2 || echo getrennt)
    paste <(awk -v s="$spur" -v e="$ende" '$1 == e { exit }
                $1 == "durchfahrt" && $3 == s { printf "%.4f\n", $2 / 1e9 }' "$rec") \
        <(awk -F'\t' -v s="Spur $spur" '$3 == s && $5 == "angenommen" { print $1 }' "$signale") |
        awk -v spur="$spur" '
            { n++; d = ($1 - $2) * 1000; if (d < 0) d = -d
              if ($1 == "" || $2 == "" || d > 100) { print "Spur " spur ", Durchfahrt " n ": wahr " $1 ", Signal " $2; f = 1 } }
            END { if (n == 0) { print "Spur " spur ": keine Durchfahrt"; f = 1 }; exit f }' ||
        fehler "Spur $spur: Signale weichen von den Durchfahrten ab: $(cat "$signale")"
done

# CTS's bounce after its counted drop: the rise counts for no lane, the drop within the
# debounce time is refused. RI's rise, which no counter saw, shows with its drop.
grep -qP '^[0-9.]+\tCTS steigt\t-\t[0-9.]+\tignoriert' "$signale" || fehler "CTS steigt: $(cat "$signale")"
grep -qP '^[0-9.]+\tCTS fällt\tSpur 3\t[0-9.]+\tgeprellt' "$signale" || fehler "CTS prellt: $(cat "$signale")"
grep -qP '\tRI steigt\t-\t[0-9.]+\tignoriert\tZeit ungenau: mit einer späteren Änderung' \
    "$signale" || fehler "RI steigt: $(cat "$signale")"
# A failed port's RTS stays as it was.
for rts in rts $([ "$spuren" -gt 4 ] && [ ${#trennen[@]} = 0 ] && echo rts2); do
    folge=$(awk -v r="$rts" '$1 == r { printf "%s", $3 }' "$rec")
    [ "$folge" = 101 ] || fehler "$rts: erwartet an, bei Grün aus, danach an; war $folge"
done
echo "Sensorspuren: $spuren Spuren, jede auf ihrer Leitung, Runden und Zeiten wie im Emulator."
