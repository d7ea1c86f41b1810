#!/usr/bin/env bash
# The spectators' views of a keyboard race in the real program under Xvfb: Shift+Z opens
# the big-screen window, which takes the keyboard from no one, not even when clicked; F11
# fills the screen with it and brings it back; it closes and opens again in mid-race. The
# live page (--web=[::1]:PORT: not on 127.0.0.1) in headless Chromium shows the drivers from
# its first answer and, over its WebSocket, the lap time of a lap driven after it was
# loaded, the race clock, and the winner; at phone, laptop and television widths it uses
# the screen, and lane 2's name of 10,000 characters stays on one line.
# Usage: zuschauer.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
einstellungen runden=2 fahrer1=Anna "fahrer2=Jürgen-$(printf 'x%.0s' $(seq 10000))" port=?
programmStarten --seite "$1"
nurTastatur
hauptfenster=$beantwortet

zuschauerfenster() {
    for _ in $(seq 300); do
        zid=$(xdotool search --onlyvisible --name '^Rundomat – Zuschauer$' 2>/dev/null | head -n1 || true)
        [ -n "$zid" ] && return 0
        sleep 0.1
    done
    fehler "kein Zuschauerfenster"
}
# Waits for the browser's line, or says why it gave up.
seiteWarten() {
    for _ in $(seq 300); do
        grep -qE "$1" "$arbeit/seite.txt" && return 0
        kill -0 "$nebenprozess" 2>/dev/null || break
        sleep 0.1
    done
    fehler "Seite: keine Zeile '$1': $(cat "$arbeit/seite.txt" "$arbeit/seite.err")"
}
geometrie() { xdotool getwindowgeometry "$zid" | sed -n 's/.*Geometry: //p'; }
# Waits up to 30 s until the window's size is (or, with "!", is no longer) the given one.
warteAufGroesse() {
    for _ in $(seq 300); do
        if [ "$1" = '!' ]; then [ "$(geometrie)" != "$2" ] && return 0
        else [ "$(geometrie)" = "$1" ] && return 0; fi
        sleep 0.1
    done
    fehler "F11: das Zuschauerfenster ist $(geometrie) groß"
}

xdotool key shift+z
zuschauerfenster
xdotool mousemove --window "$zid" 50 50 click 1
sleep 0.3
[ "$(xdotool getwindowfocus)" = "$hauptfenster" ] || fehler "das Zuschauerfenster hat die Tastatur"
xdotool key F11
warteAufGroesse 1024x768
xdotool key F11
warteAufGroesse '!' 1024x768

xdotool key Return # start, from the main window
mkfifo "$arbeit/befehle"
"$(dirname "$0")/zuschauerseite.py" "$url" "$arbeit" \
    <"$arbeit/befehle" >"$arbeit/seite.txt" 2>"$arbeit/seite.err" &
nebenprozess=$!
exec 7>"$arbeit/befehle"
seiteWarten '^geladen$'
(exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && fehler "die Seite antwortet auf 127.0.0.1"
warteAufZeile "$arbeit/signale.txt" $'\tAmpel grün\t' 600

xdotool key shift+z shift+z # closed and opened again, the race goes on
zuschauerfenster
handrunden 2
echo runde >&7
seiteWarten '^runde '
zeile=$(sed -n 's/^runde //p' "$arbeit/seite.txt")
grep -qE '^Anna\|Jürgen-10007\|[0-9]+,[0-9]{3} s\|1 / 2$' <<<"$zeile" || fehler "Seite nach der Runde: $zeile"
echo breiten >&7
seiteWarten '^breiten '
grep -qx 'breiten gut' "$arbeit/seite.txt" || fehler "Seite: $(grep '^breiten ' "$arbeit/seite.txt")"
[ -z "${ZUSCHAUER_BILDER:-}" ] || cp "$arbeit"/seite-*.png "$ZUSCHAUER_BILDER/"

xdotool key shift+1
sleep 0.3
xdotool key shift+2 # both home; two laps make no Hall of Fame entry
echo "ende Sieger: Anna" >&7
seiteWarten '^ende Sieger: Anna$'
exec 7>&-
wait "$nebenprozess" || fehler "Seite: $(cat "$arbeit/seite.err")"
echo "Zuschauer: Fenster und Live-Seite folgen dem Rennen."
