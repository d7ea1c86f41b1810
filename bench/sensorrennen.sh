#!/usr/bin/env bash
# The timing error of the whole sensor path, measured: 200 laps a lane at 0.8 to 1.5 s, each
# passage a bounce burst of 6 edges within 20 ms, driven by the sensor emulator through the
# real program. A debounce time of 0.3 s is written into the settings store for this run
# only (the options dialog allows no less than 2 s), so the race takes minutes. Every lap
# time of the result file is compared with the true one from the emulator's record; lap 1
# counts from the green light, which the emulator sees as RTS dropping. Prints five figure
# lines. The edge stamp latency runs from the emulator changing a line to the watcher's
# wait returning, both on the monotonic clock, as the preload library sees them.
# With a lane count of 3 or 4 the cars drive on CD, DSR, CTS and RI of the port, every
# lane to the end (no finish after the winner), and the figures' names end in _N_lanes.
# Usage: sensorrennen.sh PATH/TO/rundomat PATH/TO/rundomat-sensor-emulator [LANES]
source "$(dirname "$0")/../tests/e2e/gemeinsam.sh"
runden=200
spuren=${3:-2}
name=$([ "$spuren" = 2 ] || echo "_${spuren}_lanes")

sensorEmulatorStarten "$2" emulator --lap 1.15 --spread 0.35 --laps "$runden" --bounce 6,20 \
    --seed 7 --lanes "$spuren"
einstellungen "runden=$runden" PermanentesLogging=True 'prellzeit="0,3"' "port=$pty" \
    "Spuranzahl=$spuren" NachSiegerBeenden=False
# A full Hall of Fame that no race of this speed enters: no name is asked for at the end.
printf '1000;Bench\r\n%.0s' 1 2 3 4 5 >"$arbeit/daten/hof.ini"
anzeigeStarten de
programmStarten env "LD_PRELOAD=$vorladen" "$1"
fenster '^Rundomat$'
xdotool key Return
text=$(ergebnisdatei 6000)

# Laps as "lane measured true why" lines, seconds. "why" marks a lap that a passage at
# either end of it puts beyond the program: "spaet" where the emulator made the edge more
# than 5 ms after its time, "gehalten" where the machine ran the watcher's woken thread more
# than 1 ms after the edge. That is the return of the wait, as the preload library saw it,
# that a change up to the passage's edge ended: a lane that counts its drop is timed by the
# second edge of its burst, which a late wake-up for the first one reads.
for spur in $(seq "$spuren"); do
    paste <(sed -n "3,$((runden + 2))p" <<<"$text" | cut -f $((spur * 2)) | tr , .) \
        <(wahreRunden "$arbeit/emulator.rec" "$spur") \
        <(awk -v spur="$spur" '
            $1 == "getrennt" { exit }
            $1 == "verspaetet" && $3 > 5e6 { spaet[$2] = 1 }
            $1 == "wecken" { geweckt[++w] = $2; zurueck[w] = $3 }
            $1 == "durchfahrt" && $3 == spur && $4 >= 1 { t[++n] = $2 }
            END { j = 1
                  for (i = 1; i <= n; i++) {
                      while (j <= w && zurueck[j] < t[i]) j++
                      gehalten[i] = j <= w && geweckt[j] <= t[i] && zurueck[j] - t[i] > 1e6 }
                  for (i = 1; i <= n; i++) {
                      m = "-"
                      if (spaet[t[i]] || (i > 1 && spaet[t[i - 1]])) m = "spaet"
                      else if (gehalten[i] || (i > 1 && gehalten[i - 1])) m = "gehalten"
                      print m } }' "$arbeit/emulator.rec") | sed "s/^/$spur\t/"
done >"$arbeit/runden.txt"
perzentil() {
    sort -g | awk -v p="$1" '{ w[NR] = $1 }
        END { i = int(NR * p + 0.999999); if (i < 1) i = 1; print w[i] }'
}
fehler() { # the absolute lap errors in ms of the laps whose mark matches
    awk -F'\t' -v marke="$1" '$4 ~ marke { d = ($2 - $3) * 1000; print (d < 0 ? -d : d) }' \
        "$arbeit/runden.txt"
}
# The emulator's own lateness is no fault of the program: those laps are left out.
fehler_ms=$(fehler '^(-|gehalten)$')
printf 'figure lap_time_error_p99%s %.3f ms\n' "$name" "$(perzentil 0.99 <<<"$fehler_ms")"
printf 'figure lap_time_error_max%s %.3f ms\n' "$name" "$(perzentil 1 <<<"$fehler_ms")"
spaet=$(grep -c $'\tspaet$' "$arbeit/runden.txt" || true)
gehalten=$(grep -c $'\tgehalten$' "$arbeit/runden.txt" || true)
echo "# $spaet Runden ausgenommen: der Emulator kam bei einer ihrer Durchfahrten zu spät"
if [ "$gehalten" -gt 0 ]; then
    printf '# %d Runden mit einem mehr als 1 ms aufgehaltenen Wächter; ohne sie: ' "$gehalten"
    printf 'p99 %.3f ms, max %.3f ms\n' "$(fehler '^-$' | perzentil 0.99)" \
        "$(fehler '^-$' | perzentil 1)"
fi

# Each lane's signals that the program took as laps, against the emulator's passages.
awk -F'\t' -v spuren="$spuren" -v name="$name" '
    FILENAME ~ /signale/ && $5 == "angenommen" { genommen[substr($3, 6)]++ }
    FILENAME ~ /rec$/ && /^durchfahrt/ { split($0, f, " "); wahr[f[3]]++ }
    END { for (s = 1; s <= spuren; s++) { d = genommen[s] - wahr[s]; summe += d < 0 ? -d : d }
          printf "figure missed_or_extra_laps%s %d count\n", name, summe }' \
    "$arbeit/signale.txt" "$arbeit/emulator.rec"
latenz=$(awk '$1 == "wecken" { print ($3 - $2) / 1e6 }' "$arbeit/emulator.rec")
printf 'figure edge_stamp_latency_p99%s %.3f ms\n' "$name" "$(perzentil 0.99 <<<"$latenz")"
# The longest shows how long a busy machine left the watcher thread unscheduled.
printf 'figure edge_stamp_latency_max%s %.3f ms\n' "$name" "$(perzentil 1 <<<"$latenz")"
# The emulator itself woken late by a busy machine can bring passages closer than the
# debounce time, which shows in the missed laps; the lap figures leave those laps out.
awk '$1 == "verspaetet" { n++; if ($3 > m) m = $3 }
     END { if (n) printf "# %d Flanken des Emulators kamen mehr als 5 ms zu spät " \
                         "(bis %.1f ms)\n", n, m / 1e6 }' \
    "$arbeit/emulator.rec"
