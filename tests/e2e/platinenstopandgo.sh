#!/usr/bin/env bash
# A stop and go on the sensor board's lane power: the real firmware in the simulated AVR with
# a car on each of three lanes, the real program with the rule StopAndGo for a false start.
# The car on lane 2 crosses the line during the countdown. Its penalty waits for its first
# crossing after green: the board must then cut lane 2's power, give it back when the stop is
# served, and never cut lanes 1 or 3. Lane 2's crossings without power are logged as a stop
# and go and make no lap; the race ends as any other, with the penalty in the history.
# Usage: platinenstopandgo.sh PATH/TO/rundomat PATH/TO/rundomat-board-sim
source "$(dirname "$0")/gemeinsam.sh"
runden=4 spuren=3 stopp=3
terminalEmulatorStarten platine "$2" --lanes $spuren --lap 1.5 --seed 3 --jump-start 2

# Every lane drives all its laps, not only to the winner's finish.
einstellungen runden=$runden Spuranzahl=$spuren NachSiegerBeenden=False PermanentesLogging=True \
    prellzeit=1 Fehlstartregel=StopAndGo StopAndGoZeit=$stopp "port=$pty"
programmStarten "$1"
fenster '^Rundomat$'
warteAufZeile "$arbeit/signale.txt" "Platine erkannt: Firmware 1\.([2-9]|[1-9][0-9])"
xdotool key Return
warteAufZeile "$arbeit/platine.txt" '^Strom Spur 2 aus ' 600
# Then the power back, after the cut: lane 2 had power from the board's switch-on, too.
stromZurueck() { sed -n '/^Strom Spur 2 aus /,$p' "$arbeit/platine.txt" | grep -q '^Strom Spur 2 an '; }
for _ in $(seq 600); do
    stromZurueck && break
    programmLaeuft
    sleep 0.1
done
stromZurueck || fehler "Spur 2 bekommt ihren Strom nicht zurück: $(cat "$arbeit/platine.txt")"
text=$(ergebnisdatei 400) ||
    fehler "kein Rennende: $(cat "$arbeit/platine.txt") $(cat "$arbeit/signale.txt")"
rundenPruefen "$text" $runden $spuren
signale=$(cat "$arbeit/signale.txt")

# In simulated time: the crossing during the countdown, green, lane 2's first crossing after
# it and the cut a moment later, the power back after the stop and before the race's end (which
# gives every lane its power anyway): lane 2 crosses again after it, which the cars do only
# while the race runs. The program times the stop from the board's stamp of that crossing, by
# its own clock that follows the board's; a loaded machine moves the commands by a few tenths.
ablauf=$(awk -v stopp=$stopp '
    function ms(t) { return int(t * 1000 + 0.5) }
    /^Ampel 6 bei / { if (gruen == "") gruen = ms($4) }
    /^Spur 2: Durchfahrt bei / {
        t = ms($5)
        if (gruen == "") vorher++
        else if (erste == "") erste = t
        if (zurueck != "") nachher++
    }
    /^Strom Spur [13] aus / { print "ohne Stop and go aus: " $0; f = 1 }
    /^Strom Spur 2 aus / { aus++; if (aus == 1) abgestellt = ms($6) }
    /^Strom Spur 2 an / && abgestellt != "" { an++; if (an == 1) zurueck = ms($6) }
    END {
        printf "Fehlstarts %d, Grün %d ms, erste Durchfahrt %d ms, Strom aus %d ms, an %d ms\n",
               vorher, gruen, erste, abgestellt, zurueck
        if (vorher != 1 || aus != 1 || an != 1 || nachher < 1) f = 1
        if (!(abgestellt >= erste && abgestellt - erste < 1000)) f = 1
        if (!(zurueck - erste >= stopp * 1000 - 500 && zurueck - erste < stopp * 1000 + 2000)) f = 1
        exit f
    }' "$arbeit/platine.txt") ||
    fehler "Strom der Spuren:
$ablauf
$(cat "$arbeit/platine.txt")
$signale"

# The program's side: the false start, the cut and the power back told to the board, and
# lane 2's crossings without power not counted.
grep -q $'Platine Eingang 2 fällt\tSpur 2\t[^\t]*\tFehlstart' <<<"$signale" ||
    fehler "kein Fehlstart von Spur 2 im Signalprotokoll: $signale"
for schalten in aus an; do
    [ "$(grep -c "Platine: Strom der Spur 2 $schalten" <<<"$signale")" = 1 ] ||
        fehler "Strom der Spur 2 nicht einmal $schalten geschaltet: $signale"
done
grep -q "Platine: Strom der Spur [13]" <<<"$signale" &&
    fehler "Strom einer anderen Spur geschaltet: $signale"
grep -q $'Platine Eingang 2 fällt\tSpur 2\t[^\t]*\tStop and go' <<<"$signale" ||
    fehler "keine Durchfahrt im Stop and go im Signalprotokoll: $signale"
# Lane 2's lap across the stop holds it: its crossings meanwhile made no lap.
stopprunde=$(sed -n "3,$((runden + 2))p" <<<"$text" | awk -F'\t' -v stopp=$stopp '
    { gsub(",", ".", $4); if ($4 + 0 >= stopp) n++ } END { print n + 0 }')
[ "$stopprunde" = 1 ] || fehler "nicht genau eine Runde von Spur 2 über den Stop and go: $text"

bisExportiert "$1" "$arbeit/rennen.json" jsonGilt "$arbeit/rennen.json" '
    len(j["rennen"]) == 1
    and j["rennen"][0]["strafen"] == [{"lauf": 1, "spur": 2, "art": "StopAndGo", "wert": '$stopp',
                                       "rennzeit": 0, "grund": "Fehlstart"}]'
echo "Platinen-Stop-and-go: $ablauf; nur Spur 2 ohne Strom, das Rennen endet regulär."
