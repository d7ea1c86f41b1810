#!/usr/bin/env bash
# A night of sixteen drivers as the spectators see it before its first Begegnung: in the
# window "Zuschauer" (read as a screen reader does, its pixels from a screenshot) and on the
# live page (zuschauerfarben.py) every name stands on the driver's colour, Marie's dark teal
# and Niklas's brown with white type, and the standings fill the room they have instead of
# shrinking to small type with space left below.
# With ZUSCHAUER_BILDER=FOLDER the screen and the page go there.
# Usage: zuschauerfarben.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
hier=$(dirname "$0")
fahrer="Anna,Bert,Carla,Dora,Emil,Fritz,Gina,Hans,Ida,Jan,Karl,Lena,Marie,Niklas,Otto,Paula"
programmStarten --lesbar --seite "$1" --simulate=0.5 --rennabend "$fahrer"
fenster "$hauptfenstertitel"
xdotool key shift+z

inhalt=$(fensterinhalt '^Label	Paula	' --lage)
import -window root "$arbeit/bild.png"
lage() { sed -n "s/^Label	$1	//p" <<<"$inhalt" | tail -n1; }
for name in Marie:#008080 Niklas:#c08040; do
    read -r grund hell dunkel <<<"$("$hier/bildfarben.py" "$arbeit/bild.png" "$(lage "${name%:*}")")"
    [ "$grund" = "${name#*:}" ] && [ "$hell" -gt 20 ] && [ "$dunkel" = 0 ] ||
        fehler "Fenster: ${name%:*} auf $grund, $hell helle und $dunkel dunkle Punkte"
done
IFS=, read -r _ y _ h <<<"$(lage Paula)"
zid=$(xdotool search --onlyvisible --name '^Rundomat – Zuschauer$' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$zid")"
# The last row ends in the window's bottom sixth (the address line is below it), in type
# well above the 11 px of old.
[ "$h" -ge 19 ] && [ $((y + h)) -le $((Y + HEIGHT)) ] && [ $((6 * (y + h - Y))) -ge $((5 * HEIGHT)) ] ||
    fehler "Fenster: die letzte Zeile ist $h Punkte hoch und endet bei $((y + h - Y)) von $HEIGHT"

seite=$("$hier/zuschauerfarben.py" "$url" "$arbeit" 2>&1) || fehler "Seite: $seite"
[ "$seite" = gut ] || fehler "Seite: $seite"
[ -z "${ZUSCHAUER_BILDER:-}" ] || cp "$arbeit/bild.png" "$ZUSCHAUER_BILDER/farben-fenster.png"
[ -z "${ZUSCHAUER_BILDER:-}" ] || cp "$arbeit/farben-seite.png" "$ZUSCHAUER_BILDER/"
echo "Zuschauer mit 16 Fahrern: jeder Name lesbar auf seiner Farbe, die Tabelle füllt den Platz."
