#!/usr/bin/env bash
# The timing error of the whole sensor path, measured: 200 laps a lane at 0.8 to 1.5 s, each
# passage a bounce burst of 6 edges within 20 ms, driven by the sensor emulator through the
# real program. A debounce time of 0.3 s is written into the settings store for this run
# only (the options dialog allows no less than 2 s), so the race takes minutes. Every lap
# time of the result file is compared with the true one from the emulator's record; lap 1
# counts from the green light, which the emulator sees as RTS dropping. Prints five figure
# lines. The edge stamp latency runs from the emulator changing a line to the watcher's
# wait returning, both on the monotonic clock, as the preload library sees them.
# Usage: sensorrennen.sh PATH/TO/rundomat PATH/TO/rundomat-sensor-emulator
source "$(dirname "$0")/../tests/e2e/gemeinsam.sh"
runden=200

sensorEmulatorStarten "$2" emulator --lap 1.15 --spread 0.35 --laps "$runden" --bounce 6,20 \
    --seed 7
einstellungen "runden=$runden" PermanentesLogging=True 'prellzeit="0,3"' "port=$pty"
# A full Hall of Fame that no race of this speed enters: no name is asked for at the end.
printf '1000;Bench\r\n%.0s' 1 2 3 4 5 >"$arbeit/daten/hof.ini"
anzeigeStarten de
programmStarten env "LD_PRELOAD=$vorladen" "$1"
fenster '^Rundomat$'
xdotool key Return
text=$(ergebnisdatei 6000)

# Laps as "lane measured true" lines, seconds.
for spur in 1 2; do
    paste <(sed -n "3,$((runden + 2))p" <<<"$text" | cut -f $((spur * 2)) | tr , .) \
        <(wahreRunden "$arbeit/emulator.rec" "$spur") | sed "s/^/$spur\t/"
done >"$arbeit/runden.txt"
perzentil() {
    sort -g | awk -v p="$1" '{ w[NR] = $1 }
        END { i = int(NR * p + 0.999999); if (i < 1) i = 1; print w[i] }'
}
fehler_ms=$(awk -F'\t' '{ d = ($2 - $3) * 1000; print (d < 0 ? -d : d) }' "$arbeit/runden.txt")
printf 'figure lap_time_error_p99 %.3f ms\n' "$(perzentil 0.99 <<<"$fehler_ms")"
printf 'figure lap_time_error_max %.3f ms\n' "$(perzentil 1 <<<"$fehler_ms")"

# Each lane's signals that the program took as laps, against the emulator's passages.
awk -F'\t' '
    FILENAME ~ /signale/ && $5 == "angenommen" { genommen[$3 == "Spur 1" ? 1 : 2]++ }
    FILENAME ~ /rec$/ && /^durchfahrt/ { split($0, f, " "); wahr[f[3]]++ }
    END { d1 = genommen[1] - wahr[1]; d2 = genommen[2] - wahr[2]
          d = (d1 < 0 ? -d1 : d1) + (d2 < 0 ? -d2 : d2)
          printf "figure missed_or_extra_laps %d count\n", d }' \
    "$arbeit/signale.txt" "$arbeit/emulator.rec"
latenz=$(awk '$1 == "wecken" { print ($3 - $2) / 1e6 }' "$arbeit/emulator.rec")
printf 'figure edge_stamp_latency_p99 %.3f ms\n' "$(perzentil 0.99 <<<"$latenz")"
# The longest shows how long a busy machine left the watcher thread unscheduled.
printf 'figure edge_stamp_latency_max %.3f ms\n' "$(perzentil 1 <<<"$latenz")"
# The emulator itself woken late by a busy machine can bring passages closer than the
# debounce time; that is no fault of the program, but it shows in the figures above.
awk '$1 == "verspaetet" { n++; if ($3 > m) m = $3 }
     END { if (n) printf "# %d Flanken des Emulators kamen mehr als 5 ms zu spät " \
                         "(bis %.1f ms)\n", n, m / 1e6 }' \
    "$arbeit/emulator.rec"
