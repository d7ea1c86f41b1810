#!/usr/bin/env bash
# A race night's plan on the command line, for 3 to 16 drivers in both two-lane formats: only the
# plan's lines on stdout, each pair meeting as the format says, equal lanes in a rotation, nobody
# in more than two in a row from four drivers on; also with a DISPLAY that leads nowhere. The
# round over every lane for 2 to 8 lanes and up to 32 drivers: each driver once on each lane,
# full Läufe when the drivers fill the lanes, nobody back to back from twice as many drivers as
# lanes on. A roster with classes ("Anna [Junior]") plans as without them. A bad roster or
# format gets a German message on stderr and exit code 2.
# Usage: rennabendplan.sh PATH/TO/rundomat
set -euo pipefail
fehler() { echo "FEHLER: $*" >&2; exit 1; }
fehlerdatei=$(mktemp)
trap 'rm -f "$fehlerdatei"' EXIT

namen=(Anna Bert Carla Dieter Eva Jürgen Gabi Hans Ida Jan Kim Lea Max Nora Olaf Pia)
for n in $(seq 3 16); do
    liste=$(IFS=,; echo "${namen[*]:0:n}")
    for format in jeder-gegen-jeden rotation; do
        plan=$(DISPLAY=:97 "$1" --rennabend-plan "$liste" --format "$format" 2>"$fehlerdatei") \
            || fehler "$n Fahrer, $format: Exit-Code $?"
        [ ! -s "$fehlerdatei" ] || fehler "$n Fahrer, $format: stderr $(cat "$fehlerdatei")"
        befund=$(awk -F'\t' -v n="$n" -v format="$format" -v liste="$liste" '
            BEGIN { split(liste, f, ","); for (i in f) bekannt[f[i]] = 1 }
            NF != 3 || $1 != NR || !($2 in bekannt) || !($3 in bekannt) || $2 == $3 {
                print "Zeile " NR ": " $0; exit }
            {
                paar = $2 < $3 ? $2 "|" $3 : $3 "|" $2
                treffen[paar]++; spur1[$2]++; spur2[$3]++
                for (s = 2; s <= 3; s++) {
                    serie[$s] = (zuletzt[$s] == NR - 1) ? serie[$s] + 1 : 1
                    zuletzt[$s] = NR
                    if (n >= 4 && serie[$s] > 2) { print $s " fährt dreimal nacheinander"; exit }
                }
            }
            END {
                paare = 0
                for (p in treffen) {
                    paare++
                    if (format == "jeder-gegen-jeden" && treffen[p] != 1) print p " " treffen[p] "-mal"
                }
                if (paare != n * (n - 1) / 2) print paare " Paare statt " n * (n - 1) / 2
                for (i in f) {
                    if (format == "rotation" && spur1[f[i]] != spur2[f[i]])
                        print f[i] ": Spur 1 " spur1[f[i]] "-mal, Spur 2 " spur2[f[i]] "-mal"
                    if (format == "rotation" && spur1[f[i]] + spur2[f[i]] != spur1[f[1]] + spur2[f[1]])
                        print f[i] " fährt anders oft als " f[1]
                    if (format == "jeder-gegen-jeden" && (spur1[f[i]] - spur2[f[i]])^2 > 1)
                        print f[i] ": Spur 1 zuerst " spur1[f[i]] "-mal, Spur 2 " spur2[f[i]] "-mal"
                }
            }' <<<"$plan")
        [ -z "$befund" ] || fehler "$n Fahrer, $format: $befund"
    done
done

namen32=("${namen[@]}" Quirin Rita Sven Tina Udo Vera Willi Xaver Yvonne Zora Ali Bea Cem Dora \
    Emil Fritz)
for spuren in $(seq 2 8); do
    for n in 3 $spuren $((2 * spuren)) 13 32; do
        [ "$n" -ge 3 ] || continue
        liste=$(IFS=,; echo "${namen32[*]:0:n}")
        format=(--format spurrotation)
        [ "$spuren" = 2 ] || format=() # the only format of a wider track
        plan=$("$1" --rennabend-plan "$liste" --spuren "$spuren" "${format[@]}" 2>"$fehlerdatei") \
            || fehler "$n Fahrer, $spuren Spuren: Exit-Code $?"
        [ ! -s "$fehlerdatei" ] || fehler "$n Fahrer, $spuren Spuren: stderr $(cat "$fehlerdatei")"
        befund=$(awk -F'\t' -v n="$n" -v spuren="$spuren" -v liste="$liste" '
            BEGIN { split(liste, f, ","); for (i in f) bekannt[f[i]] = 1 }
            NF != spuren + 1 || $1 != NR { print "Zeile " NR ": " $0; exit }
            {
                belegt = 0; delete drin
                for (s = 2; s <= NF; s++) {
                    if ($s == "") continue
                    if (!($s in bekannt) || ($s in drin)) { print "Zeile " NR ": " $0; exit }
                    drin[$s] = 1; belegt++; spur[$s, s - 1]++
                    if (n >= 2 * spuren && zuletzt[$s] == NR - 1 && NR > 1) {
                        print $s " fährt zweimal nacheinander"; exit }
                    zuletzt[$s] = NR
                }
                if (belegt != (n < spuren ? n : spuren)) { print "Lauf " NR ": " belegt " Fahrer"; exit }
            }
            END {
                if (NR != (n > spuren ? n : spuren)) print NR " Läufe"
                for (i in f) for (s = 1; s <= spuren; s++)
                    if (spur[f[i], s] != 1) print f[i] " auf Spur " s ": " spur[f[i], s] "-mal"
            }' <<<"$plan")
        [ -z "$befund" ] || fehler "$n Fahrer, $spuren Spuren: $befund"
    done
done

ohneAnzeige() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }
[ "$(ohneAnzeige "$1" --rennabend-plan "Anna, Bert ,Carla" | head -n1)" = $'1\tAnna\tBert' ] \
    || fehler "Namen werden nicht getrimmt: $(ohneAnzeige "$1" --rennabend-plan "Anna, Bert ,Carla")"

pruefeFehler() { # erwartete Meldung, Argumente…
    local erwartet=$1 ausgabe code
    shift
    set +e
    ausgabe=$(ohneAnzeige "$1" "${@:2}" 2>"$fehlerdatei")
    code=$?
    set -e
    [ "$code" = 2 ] && [ -z "$ausgabe" ] && [ "$(head -n1 "$fehlerdatei")" = "rundomat: $erwartet" ] \
        || fehler "${*:2}: Exit-Code $code, stdout \"$ausgabe\", stderr $(cat "$fehlerdatei")"
}
pruefeFehler "--rennabend-plan: Ein Rennabend braucht mindestens 3 Fahrer, die Liste hat 2." \
    "$1" --rennabend-plan "Anna,Bert"
pruefeFehler "--rennabend-plan: Ein Rennabend hat höchstens 16 Fahrer, die Liste hat 17." \
    "$1" --rennabend-plan "$(IFS=,; echo "${namen[*]}"),Quirin"
pruefeFehler "--rennabend-plan: „Anna“ und „anna“ sind derselbe Fahrer und stehen zweimal in \
der Liste." "$1" --rennabend-plan "Anna,Bert,anna"
pruefeFehler "--rennabend-plan: Fahrer 2 hat keinen Namen." "$1" --rennabend-plan "Anna, ,Bert"
pruefeFehler "--format erwartet jeder-gegen-jeden, rotation oder spurrotation, nicht „liga“." \
    "$1" --rennabend-plan "Anna,Bert,Carla" --format liga
pruefeFehler "--format rotation fährt auf zwei Spuren; auf 4 Spuren gibt es nur spurrotation." \
    "$1" --rennabend-plan "Anna,Bert,Carla" --format rotation --spuren 4
pruefeFehler "--rennabend-plan: Ein Rennabend hat höchstens 32 Fahrer, die Liste hat 33." \
    "$1" --rennabend-plan "$(IFS=,; echo "${namen32[*]}"),Gero" --spuren 6
pruefeFehler "--format gilt nur zusammen mit --rennabend-plan." "$1" --format rotation
pruefeFehler "--rennabend-plan: „Anna“ und „anna“ sind derselbe Fahrer und stehen zweimal in \
der Liste." "$1" --rennabend-plan "Anna [Junior],Bert,anna [GT]"

# A roster with classes plans the same night as without: the classes stay off the names.
mitKlassen=$("$1" --rennabend-plan "Anna [Junior], Bert,Carla [ GT ],Dieter")
[ "$mitKlassen" = "$("$1" --rennabend-plan "Anna,Bert,Carla,Dieter")" ] \
    || fehler "Klassen im Plan: $mitKlassen"
echo "Rennabendplan: faire Pläne für 3 bis 16 Fahrer in beiden Formaten, Spurrotation auf 2 bis 8" \
    "Spuren, Klassen nicht im Namen, Fehler mit Exit-Code 2."
