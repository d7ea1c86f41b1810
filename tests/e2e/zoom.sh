#!/usr/bin/env bash
# The main window's zoom on a full-HD screen in a simulated race: Ctrl with "+" (the key
# right of Ü, the keypad's) grows it 25 % a step up to the largest that fits, Ctrl+"-"
# shrinks it; the grown window shows the race the result file tells. The zoom is stored
# (garbage read as 100 %) and back after a restart; Ctrl+0 returns to 750 x 495.
# Usage: zoom.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
einstellungen runden=3 PermanentesLogging=True Zoom=137 prellzeit=0,3
anzeigeStarten de 1920x1080
konfiguration="$arbeit/config/rundomat/rundomat.conf"
# Waits up to 30 s for the main window to have the size.
groesse() {
    local gemessen=""
    for _ in $(seq 300); do
        gemessen=$(xdotool getwindowgeometry "$(xdotool search --onlyvisible --name "$hauptfenstertitel" \
            | head -n1)" | sed -n 's/^ *Geometry: //p')
        [ "$gemessen" = "$1" ] && return 0
        sleep 0.1
    done
    fehler "Fenstergröße $gemessen statt $1"
}

programmStarten --lesbar "$1" --simulate=0.6
fenster "$hauptfenstertitel"
groesse 750x495
xdotool key Return ctrl+plus
groesse 937x619
xdotool key ctrl+KP_Add
groesse 1125x742
xdotool key ctrl+plus ctrl+plus ctrl+plus # the last would be 1114 pixels high
sleep 0.5
groesse 1500x990
warteAufZeile "$konfiguration" '^Zoom=200$' 50

text=$(ergebnisdatei 250)
inhalt=$(fensterinhalt $'^Label\tSieger!!!$')
zeilen=$(sed -n 3,6p <<<"$text")
[ "$(grep '^Spur 1' <<<"$inhalt" | cut -f2-)" = "$(cut -f1-3 <<<"$zeilen")" ] &&
    [ "$(grep '^Spur 2' <<<"$inhalt" | cut -f2-)" = "$(cut -f1,4,5 <<<"$zeilen")" ] &&
    grep -qxF 'Label	Sieger!!!' <<<"$inhalt" || fehler "bei 200 %: $inhalt"

xdotool key ctrl+minus
groesse 1312x866
warteAufZeile "$konfiguration" '^Zoom=175$' 50
programmBeenden
programmStarten "$1" --simulate=0.6
fenster "$hauptfenstertitel"
groesse 1312x866
xdotool key ctrl+0
groesse 750x495
warteAufZeile "$konfiguration" '^Zoom=100$' 50
echo "Zoom: 125 bis 200 % mitten im Rennen, gespeichert, nach dem Neustart wieder, Strg+0 zurück."
