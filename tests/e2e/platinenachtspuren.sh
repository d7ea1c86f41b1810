#!/usr/bin/env bash
# An eight-lane race timed by the sensor board: its real firmware in the simulated AVR with a
# car on each of its eight inputs, bridged to a pseudo-terminal in real time; the real
# program on the other end with a track of eight lanes (`Spuranzahl=8` in its settings) and
# a flying start. The program must recognise the board by its hello with eight inputs,
# count every lane's crossings and end the race when all eight are home. The board's stamps
# of each lane's counted crossings, in the signal log, must lie apart as the simulated
# crossings do, to the millisecond, and the result file's laps of lanes 1 and 2 must be the
# simulated ones.
# Usage: platinenachtspuren.sh PATH/TO/rundomat PATH/TO/rundomat-board-sim
source "$(dirname "$0")/gemeinsam.sh"
runden=3 spuren=8
terminalEmulatorStarten platine "$2" --lanes $spuren --lap 1.5 --seed 8

# Every lane drives all its laps, not only to the winner's finish.
einstellungen runden=$runden Spuranzahl=$spuren NachSiegerBeenden=False PermanentesLogging=True \
    ohneCountdown=True prellzeit=1 "port=$pty"
programmStarten "$1"
fenster "$hauptfenstertitel"
warteAufZeile "$arbeit/signale.txt" "Platine erkannt: Firmware 1\.[0-9]+, $spuren Eingänge"
xdotool key Return
text=$(ergebnisdatei 600) ||
    fehler "kein Rennende: $(cat "$arbeit/platine.txt") $(cat "$arbeit/signale.txt")"
signale=$(cat "$arbeit/signale.txt")

# Per lane, its crossings in simulated milliseconds and the board's stamps of the signals the
# race took, in microseconds: the first runden + 1 of both, taken apart from the first.
abweichungen=$(awk -F'\t' -v spuren=$spuren -v runden=$runden '
    FNR == NR && /^Spur [1-8]: Durchfahrt bei / {
        split($0, w, " "); spur = substr(w[2], 1, 1)
        if (n[spur] <= runden) c[spur, n[spur]++] = int(w[5] * 1000 + 0.5)
    }
    FNR == NR { next }
    $2 ~ /^Platine Eingang [1-8] fällt$/ && $5 == "angenommen" {
        spur = substr($2, 17, 1)
        if ($3 != "Spur " spur) { print "Eingang " spur " als " $3; f = 1 }
        split($6, a, " ")
        if (m[spur] <= runden) s[spur, m[spur]++] = a[2]
    }
    END {
        for (spur = 1; spur <= spuren; spur++) {
            if (n[spur] <= runden || m[spur] <= runden) {
                printf "Spur %d: %d Durchfahrten, %d gezählt\n", spur, n[spur], m[spur]; f = 1
                continue
            }
            for (r = 1; r <= runden; r++) {
                simuliert = c[spur, r] - c[spur, 0]
                gestempelt = int((s[spur, r] - s[spur, 0]) / 1000 + 0.5)
                printf "Spur %d, Durchfahrt %d: simuliert %d ms, gestempelt %d ms\n", spur, r,
                       simuliert, gestempelt
                if (simuliert != gestempelt) f = 1
            }
        }
        exit f
    }' "$arbeit/platine.txt" "$arbeit/signale.txt") ||
    fehler "Stempel:
$abweichungen
$(cat "$arbeit/platine.txt")
$signale"

# Lanes 1 and 2 in the result file: lane 1 crossed first and started the race clock, and
# with it the other lanes' first laps.
rundenPruefen "$text" $runden $spuren
gemessen=$(sed -n "3,$((runden + 2))p" <<<"$text" | awk -F'\t' '{ print $2 "\t" $4 }' | tr , .)
ergebnis=$(awk '
    function ms(t) { return int(t * 1000 + 0.5) }
    FNR == NR && /^Spur [12]: Durchfahrt bei / { spur = substr($2, 1, 1); c[spur, ++n[spur]] = ms($5) }
    FNR == NR { next }
    {
        for (spur = 1; spur <= 2; spur++) {
            von = (spur == 1 || FNR > 1) ? c[spur, FNR] : c[1, 1]
            printf "Spur %d Runde %d: gemessen %d ms, simuliert %d ms\n", spur, FNR, ms($spur),
                   c[spur, FNR + 1] - von
            if (ms($spur) != c[spur, FNR + 1] - von) f = 1
        }
    }
    END { exit f }' "$arbeit/platine.txt" - <<<"$gemessen") ||
    fehler "Rundenzeiten:
$ergebnis
$(cat "$arbeit/platine.txt")"
grep -q "die Platine hat die Eingänge" <<<"$signale" &&
    fehler "Flanken von Eingängen, die die Platine nicht hat: $signale"
echo "Platine mit $spuren Spuren: je $runden Runden, jede Durchfahrt auf die Millisekunde" \
    "gestempelt wie simuliert."
