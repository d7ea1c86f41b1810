#!/usr/bin/env bash
# A lane-change race of two 10 s heats by time (RundeBeenden), driven by keys, as the
# spectators see it in the window "Zuschauer" and on the live page. In each heat the car
# with fewer laps comes home first after the time is up: the places, the leader's "führt"
# and the result line follow the distances, not the order home. Over both heats the two
# drivers have as many laps, and the lower summed time wins.
# With ZUSCHAUER_BILDER=FOLDER the screen and the page after each heat go there.
# Usage: zuschauerzeit.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
hier=$(dirname "$0")
einstellungen Rennart=Zeit Renndauer=10 Zielregel=RundeBeenden SpurWechsel=True \
    fahrer1=Ida fahrer2=Max port=?
programmStarten --lesbar --seite "$1"
nurTastatur
hauptfenster='^Rundomat   -> Zeitaufnahme über die serielle Schnittstelle nicht möglich$'
xdotool key shift+z
seite() { "$hier/seitenstand.py" "$url" "$@" || fehler "nach Lauf $lauf"; }
# Once the window shows the first pattern: whether the card of the driver named second holds
# every further line, from its name to its gap. The window's labels follow its address.
karte() {
    local inhalt zeile
    inhalt=$(fensterinhalt "$1")
    inhalt=$(awk -v name="Label	$2" '/^Label	Live: /{fenster=1} fenster && $0 == name{an=1}
        an{print} an && /^Label	Abstand$/{getline; print; exit}' <<<"$inhalt")
    shift 2
    for zeile in "$@"; do
        grep -qxF "Label	$zeile" <<<"$inhalt" || fehler "Fenster nach Lauf $lauf: $inhalt"
    done
}
bilder() {
    [ -n "${ZUSCHAUER_BILDER:-}" ] || return 0
    import -window root "$ZUSCHAUER_BILDER/zeit-fenster-$lauf.png"
    "$hier/seitenbild.py" "$url" "$ZUSCHAUER_BILDER/zeit-seite-$lauf.png"
}

# One heat: both cars over the line, lane `viel` nine laps, lane `wenig` three, well inside
# the 10 s; once the time is up lane `erst` comes home first, a moment later the other.
lauf() {
    local viel=$1 wenig=$2 erst=$3 i
    losfahren
    xdotool key "shift+$viel" "shift+$wenig"
    for i in $(seq 9); do
        sleep 0.5
        xdotool key "shift+$viel"
        [ $((i % 3)) = 0 ] && xdotool key "shift+$wenig"
    done
    seite "s$viel-gefahren=9" "s$wenig-gefahren=3" rennuhr=0:00
    xdotool key "shift+$erst"
    sleep 0.5
    xdotool key "shift+$((3 - erst))"
    fenster 'Gut gefahren' 600
}

lauf=1
lauf 2 1 1 # Max ten laps, Ida four and home first
seite s1-name=Ida s1-vermerk="2. Platz" s1-abstand="+6,000 Rd." \
    s2-name=Max s2-vermerk="1. Platz" s2-abstand=führt ergebnis="Nach dem 1. Lauf vorn: Max"
karte '^Label	Nach dem 1\. Lauf vorn: Max$' Ida "2. Platz" "+6,000 Rd."
karte '^Label	Nach dem 1\. Lauf vorn: Max$' Max "1. Platz" führt
bilder
hofEintragBestaetigen
fenster "$hauptfenster"

lauf=2
lauf 2 1 2 # Ida ten laps on lane 2, Max four: fourteen each, Ida home first again
seite s1-name=Max s1-vermerk="2. Platz" s1-abstand="~\+[0-9],[0-9]{3} s" \
    s2-name=Ida s2-vermerk="1. Platz" s2-abstand=führt ergebnis="Gesamtsieger: Ida"
karte '^Label	Gesamtsieger: Ida$' Ida "1. Platz" führt
karte '^Label	Gesamtsieger: Ida$' Max "2. Platz"
bilder
hofEintragBestaetigen
fenster 'Ergebnis Spurwechselmodus' 100
echo "Zuschauer beim Spurwechsel auf Zeit: Platz, Abstand und Sieger nach der Distanz."
