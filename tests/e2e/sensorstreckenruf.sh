#!/usr/bin/env bash
# The automatic track call in a race through the real sensor path: lane 2's car stops after
# its third lap while lane 1 drives on. With Streckenrufautomatik on the race must pause by
# itself once lane 2 has not crossed for three of its median laps: the signal log names the
# call's cause and the lane, no message box opens, and it comes within half a second of the
# overdue moment (the emulator's crossings arrive up to 0.1 s late on a loaded machine).
# Usage: sensorstreckenruf.sh PATH/TO/rundomat PATH/TO/rundomat-sensor-emulator
source "$(dirname "$0")/gemeinsam.sh"
{
    echo "# Zeit ab Grün [s]   Spur"
    for r in $(seq 0 12); do echo "$(awk -v r="$r" 'BEGIN { printf "%.3f", 0.3 + r }') 1"; done
    for r in $(seq 0 3); do echo "$(awk -v r="$r" 'BEGIN { printf "%.3f", 0.4 + 1.2 * r }') 2"; done
} | sort -n >"$arbeit/skript.txt"
sensorEmulatorStarten "$2" emulator --script "$arbeit/skript.txt" --at-green
einstellungen runden=12 PermanentesLogging=True prellzeit=0,5 "port=$pty" \
    Streckenrufautomatik=True Streckenruffaktor=3
programmStarten env "LD_PRELOAD=$vorladen" "$1"
rennenStarten
warteAufZeile "$arbeit/signale.txt" $'\tStreckenruf\tSpur 2\t.*Ursache: Automatisch, Spur 2 überfällig' 300

# Lane 2's last crossing at 0.4 + 3.6 s, its laps 1.2 s: overdue 3.6 s later, at 7.6 s of
# race time, which the log's race clock counts from its green line.
verzug=$(awk -F'\t' '$2 == "Ampel grün" { g = $4 } $2 == "Streckenruf" { printf "%d", ($4 - g - 7.6) * 1000; exit }' \
    "$arbeit/signale.txt")
echo "Der Streckenruf kam $verzug ms nach dem Moment, in dem Spur 2 überfällig war."
[ "$verzug" -ge -100 ] && [ "$verzug" -le 500 ] ||
    fehler "Streckenruf $verzug ms neben dem Moment: $(cat "$arbeit/signale.txt")"
if xdotool search --onlyvisible --name "$hauptfenstertitel" | sed -n 2p | grep -q .; then
    fehler "ein Meldungsfenster neben dem Hauptfenster"
fi

# Stopped, the race goes into the history with the call and its cause.
xdotool key Return
bisExportiert "$1" "$arbeit/verlauf.json" jsonGilt "$arbeit/verlauf.json" \
    'any(s.get("ursache") == "Automatisch" for r in j["rennen"] for s in r.get("streckenrufe", []))'
echo "Sensorstreckenruf: das Rennen hielt von selbst an, als Spur 2 überfällig war."
