#!/usr/bin/env bash
# The track simulator with laps shorter than the Prellzeit: --simulate=1 drives laps of 0,85 s
# and more, under the Prellzeit of 2 s, so its crossings fall within the Prellzeit and laps
# are lost. The program says so on standard error and in the status bar's port panel at the
# start, without a message box. With a Prellzeit of 0,3 s it says nothing of it.
# Usage: simulationswarnung.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
einstellungen runden=3
programmStarten --lesbar "$1" --simulate=1
fenster "$hauptfenstertitel" 600
zeigt $'^Label\tSimulation – Prellzeit zu lang$'
warteAufZeile "$arbeit/ausgabe.txt" '^rundomat: Die simulierten Runden \(ab 0,85 s\) sind kürzer als die Prellzeit von 2 s: jede solche Runde geht verloren\.'
fenster=$(xdotool search --onlyvisible --pid "$app" | wc -l)
[ "$fenster" = 1 ] || fehler "$fenster Fenster statt des Hauptfensters allein"
programmBeenden

einstellungen runden=3 prellzeit=0,3
programmStarten "$1" --simulate=1
fenster "$hauptfenstertitel" 600
zeigt $'^Label\tSimulation$'
grep -q 'Prellzeit' "$arbeit/ausgabe.txt" && fehler "Warnung bei 0,3 s: $(cat "$arbeit/ausgabe.txt")"
echo "Simulationswarnung: Runden unter der Prellzeit auf der Standardfehlerausgabe und in der Statusleiste, ohne Meldungsfenster."
