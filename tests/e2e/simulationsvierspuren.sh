#!/usr/bin/env bash
# The track simulator on a four-lane track (--spuren 4): Enter starts the race, a car per
# lane drives, lanes 3 and 4 on CTS and RI as real sensors would, until every lane is home;
# the result file has a column pair per lane with every lap timed.
# Usage: simulationsvierspuren.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
einstellungen runden=3 PermanentesLogging=True prellzeit=0,3 NachSiegerBeenden=False
anzeigeStarten de
programmStarten "$1" --simulate=0.6 --spuren 4
fenster '^Rundomat$'
xdotool key Return
text=$(ergebnisdatei 300)
[ "$(sed -n 2p <<<"$text")" = \
    $'Runde\tZeit 1\tGeschw. 1\tZeit 2\tGeschw. 2\tZeit 3\tGeschw. 3\tZeit 4\tGeschw. 4' ] ||
    fehler "Zeile 2: $text"
zahl='[0-9]+,[0-9]{3}'
for r in 1 2 3; do
    grep -qE "^$r(	$zahl){8}$" <<<"$(sed -n "$((r + 2))p" <<<"$text")" || fehler "Runde $r: $text"
done
grep -qE "^->(	$zahl){8}$" <<<"$(sed -n 6p <<<"$text")" || fehler "Zusammenfassung: $text"
echo "Simulationsrennen auf vier Spuren: drei Runden je Spur in der Ergebnisdatei."
