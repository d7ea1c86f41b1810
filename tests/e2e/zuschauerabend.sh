#!/usr/bin/env bash
# The spectators' page of a three-driver night on the track simulator (zuschauerabend.py):
# before it the standings and "Als Nächstes" with the plan's first pair and their lanes,
# during a Lauf the night's line, after the first Begegnung (Enter alone) the next pair and
# new standings. The window "Zuschauer" (read as a screen reader does) shows the night's
# line between the heats, and once the Begegnung is over, while its result window is still
# open, the next pair under the next race's title, as the page does. Bert's name is too long
# for those lines: it is cut with "…", the words around it are not.
# Usage: zuschauerabend.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
rundomat=$1
einstellungen runden=4 PermanentesLogging=True prellzeit=0,3
bert="Bert$(printf ' Maximilian Alexander von Hohenberg-Südwestfalen%.0s' 1 2 3 4)"
fahrer="Anna,$bert,Carla"
"$rundomat" --rennabend-plan "$fahrer" >"$arbeit/plan.txt"
# The screen, with ZUSCHAUER_BILDER=FOLDER, for a person to look at.
bild() { [ -z "${ZUSCHAUER_BILDER:-}" ] || import -window root "$ZUSCHAUER_BILDER/abend-fenster-$1.png"; }
paar() { sed -n "$1p" "$arbeit/plan.txt" | cut -f2,3; }
programmStarten --lesbar --seite "$rundomat" --simulate=0.5 --rennabend "$fahrer"
fenster "$hauptfenstertitel"
xdotool key shift+z
"$(dirname "$0")/zuschauerabend.py" "$url" "$arbeit" "$(paar 1)" "$(paar 2)" \
    >"$arbeit/seite.txt" 2>"$arbeit/seite.err" &
nebenprozess=$!
for _ in $(seq 600); do # the page shows the night before it begins
    grep -qx vorher "$arbeit/seite.txt" 2>/dev/null && break
    kill -0 "$nebenprozess" 2>/dev/null || fehler "Seite: $(cat "$arbeit/seite.txt" "$arbeit/seite.err")"
    sleep 0.1
done

for lauf in 1 2; do
    xdotool key Return
    ergebnisdatei 600 "$lauf" >/dev/null
    [ "$lauf" = 2 ] && break
    zeigt '^Label	Rennabend: Begegnung 1 von 3 – Anna Platz [123], Bert Maxi[^…]*… Platz [123]$'
    bild zwischen
done
fenster 'Ergebnis Spurwechselmodus'
"$(dirname "$0")/seitenstand.py" "$url" abendstand= titel="Spurwechsel, 1. Lauf – 4 Runden" \
    naechste="Als Nächstes: $bert (Spur 1) – Carla (Spur 2)" || fehler "nach der ersten Begegnung"
zeigt '^Label	Als Nächstes: Bert Maxi[^…]*… \(Spur 1\) – Carla \(Spur 2\)$' '^Label	Rennabend: '
zeigt '^Label	Spurwechsel, 1\. Lauf – 4 Runden$'
bild nachher
xdotool key Return
fenster "$hauptfenstertitel"
bild danach
wait "$nebenprozess" || fehler "Seite: $(cat "$arbeit/seite.txt" "$arbeit/seite.err")"
grep -qx gut "$arbeit/seite.txt" || fehler "Seite: $(cat "$arbeit/seite.txt")"
[ -z "${ZUSCHAUER_BILDER:-}" ] || cp "$arbeit"/abend-*.png "$ZUSCHAUER_BILDER/"
echo "Zuschauer am Rennabend: Tabelle und „Als Nächstes“ zwischen den Begegnungen."
