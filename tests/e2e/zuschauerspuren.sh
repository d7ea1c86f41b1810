#!/usr/bin/env bash
# A keyboard race of two laps on a track of four lanes (--spuren 4) as the spectators see it
# in the window "Zuschauer" and on the live page: every lane with its position while the
# cars run, lane 3 ahead at the line, and once all four are home the places in the order
# home and lane 3's driver the winner.
# With ZUSCHAUER_BILDER=FOLDER the screen and the page at the end go there.
# Usage: zuschauerspuren.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
hier=$(dirname "$0")
einstellungen runden=2 fahrer1=Anna fahrer2=Bert fahrer3=Clara fahrer4=Dora port=?
anzeigeStarten de 1280x1024
programmStarten --lesbar --seite "$1" --spuren 4
nurTastatur
xdotool key shift+z
seite() { "$hier/seitenstand.py" "$url" "$@" || fehler "Seite ($*)"; }

seite s4-name=Dora s4-gefahren="0 / 2"
losfahren
runde() {
    for spur in 3 1 4 2; do
        xdotool key "shift+$spur"
        sleep 0.2
    done
}
runde # the first crossings
sleep 0.5
runde
seite s3-position=P1 s1-position=P2 s4-position=P3 s2-position=P4 s3-abstand=führt \
    s1-abstand='~\+0,[0-9]{3} s' s2-gefahren="1 / 2"
zeigt '^Label	P4$'
sleep 0.5
runde
seite s3-vermerk="1. Platz" s1-vermerk="2. Platz" s4-vermerk="3. Platz" s2-vermerk="4. Platz" \
    ergebnis="Sieger: Clara"
zeigt '^Label	4\. Platz$'
zeigt '^Label	Sieger: Clara$'
if [ -n "${ZUSCHAUER_BILDER:-}" ]; then
    import -window root "$ZUSCHAUER_BILDER/spuren-fenster.png"
    "$hier/seitenbild.py" "$url" "$ZUSCHAUER_BILDER/spuren-seite.png"
fi
echo "Zuschauerspuren: Fenster und Live-Seite zeigen vier Spuren."
