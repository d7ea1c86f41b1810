#!/usr/bin/env bash
# The track simulator on a four-lane track (--spuren 4): Enter starts the race, a car per
# lane drives, lanes 3 and 4 on CTS and RI as real sensors would, until every lane is home;
# the result file has a column pair per lane with every lap timed.
# Usage: simulationsvierspuren.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
einstellungen runden=3 PermanentesLogging=True prellzeit=0,3 NachSiegerBeenden=False
programmStarten "$1" --simulate=0.6 --spuren 4
rennenStarten
text=$(ergebnisdatei 300)
[ "$(sed -n 2p <<<"$text")" = \
    $'Runde\tZeit 1\tGeschw. 1\tZeit 2\tGeschw. 2\tZeit 3\tGeschw. 3\tZeit 4\tGeschw. 4' ] ||
    fehler "Zeile 2: $text"
rundenPruefen "$text" 3 4
echo "Simulationsrennen auf vier Spuren: drei Runden je Spur in der Ergebnisdatei."
