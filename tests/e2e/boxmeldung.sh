#!/usr/bin/env bash
# A box error message that nobody closes holds nothing up: the box emulator reports a sensor
# fault three seconds in, and while the message stays open for 280 passages (half a minute
# of laps of 0.2 s on both lanes) every passage the box sends is timed, in order, without
# one lost.
# Usage: boxmeldung.sh PATH/TO/rundomat PATH/TO/rundomat-box-emulator
source "$(dirname "$0")/gemeinsam.sh"
terminalEmulatorStarten emulator "$2" --lap 0.2 --error-after 3

einstellungen runden=100000 RaceControl=True ohneCountdown=True prellzeit=0,1 "port=$pty"
programmStarten "$1"
rennenStarten
for _ in $(seq 1200); do
    [ "$(grep -c 'Durchfahrt, Boxzeit' "$arbeit/emulator.txt")" -ge 280 ] && break
    programmLaeuft
    sleep 0.1
done

# The main window and the box error message, still open.
offen=$(xdotool search --onlyvisible --name "$hauptfenstertitel" | wc -l)
[ "$offen" -ge 2 ] || fehler "die Meldung ist nicht mehr offen ($offen Fenster)"

# The box times of the passages: as the emulator sent them, and as the program timed them.
grep -oE 'Spur [12]: Durchfahrt, Boxzeit [0-9]+' "$arbeit/emulator.txt" \
    | awk '{print $2 $5}' >"$arbeit/gesendet.txt"
awk -F'\t' '$2 ~ /^Box 0x20[23]$/ && $5 == "angenommen" {
        printf "%s:%d\n", substr($3, 6), int($1 * 4800 + 0.5) }' "$arbeit/signale.txt" \
    >"$arbeit/gezaehlt.txt"
[ -s "$arbeit/gezaehlt.txt" ] || fehler "keine Durchfahrt gezählt: $(cat "$arbeit/signale.txt")"
erste=$(head -n1 "$arbeit/gezaehlt.txt" | cut -d: -f2)
# Everything from the first timed passage to two seconds before now, in the order sent.
bis=$(( $(tail -n1 "$arbeit/gesendet.txt" | cut -d: -f2) - 2 * 4800 ))
awk -F: -v a="$erste" -v b="$bis" '$2 >= a && $2 <= b' "$arbeit/gesendet.txt" >"$arbeit/erwartet.txt"
awk -F: -v b="$bis" '$2 <= b' "$arbeit/gezaehlt.txt" >"$arbeit/gezaehlt-bis.txt"
[ "$(wc -l <"$arbeit/erwartet.txt")" -gt 200 ] || fehler "zu wenige Durchfahrten: $(wc -l <"$arbeit/erwartet.txt")"
diff "$arbeit/erwartet.txt" "$arbeit/gezaehlt-bis.txt" >"$arbeit/unterschied.txt" \
    || fehler "Durchfahrten fehlen oder sind vertauscht: $(head -n 20 "$arbeit/unterschied.txt")"
echo "Boxmeldung: $(wc -l <"$arbeit/erwartet.txt") Durchfahrten gezählt, während die Meldung offen stand."
