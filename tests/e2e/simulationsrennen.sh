#!/usr/bin/env bash
# The track simulator drives a short race in the real program: Enter starts it, the
# simulated cars wait for green and drive until both are home; the result file shows it.
# What the window shows is read as a screen reader reads it, and must be what the file
# says: both lap tables row by row, the lane times, the winner and the loser.
# Usage: simulationsrennen.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
einstellungen runden=3 PermanentesLogging=True prellzeit=0,3
programmStarten --lesbar "$1" --simulate=0.6
rennenStarten
text=$(ergebnisdatei 250)
rundenPruefen "$text" 3

fenster=$(fensterinhalt $'^Label\tVerlierer$')
zeilen=$(sed -n 3,6p <<<"$text")
[ "$(grep '^Spur 1' <<<"$fenster" | cut -f2-)" = "$(cut -f1-3 <<<"$zeilen")" ] \
    || fehler "Rundentabelle Spur 1: $fenster"
[ "$(grep '^Spur 2' <<<"$fenster" | cut -f2-)" = "$(cut -f1,4,5 <<<"$zeilen")" ] \
    || fehler "Rundentabelle Spur 2: $fenster"
for spalte in 2 4; do
    grep -qxF "Label	$(tail -n1 <<<"$zeilen" | cut -f$spalte) sec" <<<"$fenster" \
        || fehler "Gesamtzeit aus Spalte $spalte nicht im Fenster: $fenster"
done
grep -qxF 'Label	Sieger!!!' <<<"$fenster" && grep -qxF 'Label	Verlierer' <<<"$fenster" \
    || fehler "Sieger und Verlierer: $fenster"
echo "Simulationsrennen: drei Runden je Spur in der Ergebnisdatei, im Fenster dieselben."
