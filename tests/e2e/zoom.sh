#!/usr/bin/env bash
# The main window's zoom as a racer uses it on a full-HD screen, during a simulated race:
# Ctrl with "+" (the key right of Ü, then the keypad's) grows it 25 % a step up to the
# largest step the screen holds, Ctrl+"-" shrinks it; the race goes on, and at the end the
# grown window shows what the result file says. The zoom is remembered over a restart, and
# Ctrl+0 returns to the designed 750 x 495 pixels.
# Usage: zoom.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
einstellungen runden=3 PermanentesLogging=True
anzeigeStarten de 1920x1080
bildschirmleserStarten
konfiguration="$arbeit/config/rundomat/rundomat.conf"

# The main window's size once it has settled at the expected one (or after 5 s).
groesse() {
    local id gemessen=""
    for _ in $(seq 50); do
        id=$(xdotool search --onlyvisible --name '^Rundomat$' | head -n1)
        gemessen=$(xdotool getwindowgeometry "$id" | sed -n 's/^ *Geometry: //p')
        [ "$gemessen" = "$1" ] && break
        sleep 0.1
    done
    [ "$gemessen" = "$1" ] || fehler "Fenstergröße $gemessen statt $1 ($2)"
}

programmStarten "$1" --simulate=2.5
fenster '^Rundomat$'
groesse 750x495 "beim Start"
xdotool key Return
xdotool key ctrl+plus
groesse 937x619 "125 %"
xdotool key ctrl+KP_Add
groesse 1125x742 "150 %"
xdotool key ctrl+plus ctrl+plus
groesse 1500x990 "200 %"
xdotool key ctrl+plus # 225 % would be 1114 pixels high
sleep 0.5
groesse 1500x990 "200 % bleibt, 225 % passt nicht"
warteAufZeile "$konfiguration" '^Zoom=200$' 50

text=$(ergebnisdatei 250)
rundenPruefen "$text" 3
inhalt=$(/usr/bin/python3 "$(dirname "$0")/fensterinhalt.py") || fehler "Fenster nicht lesbar"
zeilen=$(sed -n 3,6p <<<"$text")
[ "$(grep '^Spur 1' <<<"$inhalt" | cut -f2-)" = "$(cut -f1-3 <<<"$zeilen")" ] \
    || fehler "Rundentabelle Spur 1 bei 200 %: $inhalt"
[ "$(grep '^Spur 2' <<<"$inhalt" | cut -f2-)" = "$(cut -f1,4,5 <<<"$zeilen")" ] \
    || fehler "Rundentabelle Spur 2 bei 200 %: $inhalt"
grep -qxF 'Label	Sieger!!!' <<<"$inhalt" || fehler "kein Sieger bei 200 %: $inhalt"

xdotool key ctrl+minus
groesse 1312x866 "175 %"
warteAufZeile "$konfiguration" '^Zoom=175$' 50
kill "$app"
wait "$app" 2>/dev/null || true
beantwortet="" # the new window may get the old one's number
programmStarten "$1" --simulate=2.5
fenster '^Rundomat$'
groesse 1312x866 "175 % nach dem Neustart"
xdotool key ctrl+0
groesse 750x495 "Strg+0"
warteAufZeile "$konfiguration" '^Zoom=100$' 50
echo "Zoom: 125 bis 200 % mitten im Rennen, gespeichert, nach dem Neustart wieder, Strg+0 zurück."
