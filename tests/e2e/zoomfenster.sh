#!/usr/bin/env bash
# The windows "Rennverlauf" (Shift+V) and "Sensortest" (Shift+T) at the main window's zoom:
# at 300 % on a 4K screen they open three times their designed size (940 x 640 and 560 wide)
# with their texts as large, and at 100 % as designed.
# Usage: zoomfenster.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
anzeigeStarten de 3840x2160

# The size of the visible window whose title matches, once it has one that passes the test.
groesse() {
    local gemessen=""
    for _ in $(seq 50); do
        gemessen=$(xdotool getwindowgeometry "$(xdotool search --onlyvisible --name "$1" \
            | tail -n1)" | sed -n 's/^ *Geometry: //p')
        [ -n "$gemessen" ] && eval "$2" && return 0
        sleep 0.1
    done
    fehler "'$1' ist $gemessen groß, erwartet: $2"
}
breite() { echo "${gemessen%x*}"; }
hoehe() { echo "${gemessen#*x}"; }

beideFenster() {
    local prozent=$1
    fenster "$hauptfenstertitel" 600
    groesse "$hauptfenstertitel" "[ \$gemessen = $((750 * prozent / 100))x$((495 * prozent / 100)) ]"
    xdotool key shift+v
    fenster '^Rennverlauf$'
    groesse '^Rennverlauf$' "[ \$gemessen = $((940 * prozent / 100))x$((640 * prozent / 100)) ]"
    xdotool key Escape
    fenster "$hauptfenstertitel"
    xdotool key shift+t
    fenster '^Sensortest$'
    # Its height follows its texts: about 256 pixels a hundred percent.
    groesse '^Sensortest$' "[ \$(breite) = $((560 * prozent / 100)) ] && [ \$(hoehe) -ge $((230 * prozent / 100)) ] && [ \$(hoehe) -le $((290 * prozent / 100)) ]"
    xdotool key Escape
    fenster "$hauptfenstertitel"
    programmBeenden
}

einstellungen Zoom=300
programmStarten "$1" --simulate
beideFenster 300
einstellungen Zoom=100
programmStarten "$1" --simulate
beideFenster 100
echo "Zoomfenster: Rennverlauf und Sensortest bei 300 % dreimal so groß, bei 100 % wie entworfen."
