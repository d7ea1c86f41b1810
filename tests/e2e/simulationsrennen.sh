#!/usr/bin/env bash
# The track simulator drives a short race in the real program: Enter starts it, the
# simulated cars wait for green and drive until both are home; the result file shows it.
# Usage: simulationsrennen.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
einstellungen runden=3 PermanentesLogging=True
anzeigeStarten de
programmStarten "$1" --simulate=2.5
fenster '^Rundomat$'
xdotool key Return
text=$(ergebnisdatei 250)
rundenPruefen "$text" 3
echo "Simulationsrennen: drei Runden je Spur in der Ergebnisdatei."
