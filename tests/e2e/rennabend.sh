#!/usr/bin/env bash
# A race night of three drivers on the track simulator: --rennabend loads the first
# Begegnung, Enter starts every Lauf, the lane-change result window is answered with Enter,
# and Enter brings the next Begegnung's drivers without a question. Races of 4 laps never
# reach the Hall of Fame, whose question would come only for the races fast enough for it;
# each Lauf's end shows as its result file, written at every race end. While the result
# window is open the program idles; once it is closed the main window still shows the
# Begegnung just driven, laps and all, which Shift+D writes, until Enter starts the next. The
# history holds the three Begegnungen in the plan's order; the window "Rennabend" (Shift+N)
# says who drives next on which lane and writes the standings as CSV, whose points follow the
# stored winners, and as PDF. After the first Begegnung the program is killed; started
# again it asks to go on with the night, and Enter loads the next Begegnung. The JSON export
# lists the night under "rennabende" with standings whose points follow the stored winners.
# Usage: rennabend.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
rundomat=$1
einstellungen runden=4 PermanentesLogging=True prellzeit=0,3
"$rundomat" --rennabend-plan "Anna,Bert,Carla" >"$arbeit/plan.txt"
paar() { sed -n "$1p" "$arbeit/plan.txt" | cut -f2-3; }
programmStarten --lesbar "$rundomat" --simulate=0.5 --rennabend "Anna,Bert,Carla"
fenster "$hauptfenstertitel"
xdotool key shift+n
fenster '^Rennabend$'
read -r spur1 spur2 <<<"$(paar 1)"
zeigt "^Label\tAls Nächstes: $spur1 \(Spur 1\) – $spur2 \(Spur 2\)\$"
xdotool key Escape
fenster "$hauptfenstertitel"

cpu() { awk '{ print $14 + $15 }' "/proc/$app/stat"; }
laeufe=0
for begegnung in 1 2 3; do
    for lauf in 1 2; do
        xdotool key Return
        if [ "$lauf" = 1 ]; then
            read -r spur1 _ <<<"$(paar "$begegnung")"
            zeigt "^Label\t$spur1\$"
        fi
        laeufe=$((laeufe + 1))
        ergebnisdatei 600 "$laeufe" >/dev/null
    done
    fenster 'Ergebnis Spurwechselmodus'
    if [ "$begegnung" = 1 ]; then
        # A quarter of a core at most, on a busy machine too; spinning takes all of it.
        vorher=$(cpu)
        sleep 2
        ticks=$(($(cpu) - vorher))
        [ "$ticks" -lt "$(($(getconf CLK_TCK) / 2))" ] ||
            fehler "$ticks CPU-Ticks in 2 s mit offenem Ergebnisfenster"
    fi
    xdotool key Return
    fenster "$hauptfenstertitel"
    if [ "$begegnung" = 1 ]; then
        # The next pair waits for Enter: the Begegnung's laps and result stay, and so do its
        # drivers in Shift+D's file.
        read -r naechster1 naechster2 <<<"$(paar 2)"
        zeigt '^Spur 1\t4\t[0-9]' "^Label\t($naechster1|$naechster2)\$"
        zeigt '^Label\tSieger!!!$|^Label\tUnentschieden$'
        touch "$arbeit/vor-shift-d"
        xdotool key shift+d
        for _ in $(seq 100); do
            geschrieben=$(find "$arbeit/daten" -name 'Rennergebnis*.txt' -newer "$arbeit/vor-shift-d")
            [ -n "$geschrieben" ] && break
            sleep 0.1
        done
        [ -n "$geschrieben" ] || fehler "Shift+D schreibt keine Ergebnisdatei"
        read -r spur1 spur2 <<<"$(paar 1)"
        head -n1 "$geschrieben" | grep -qP "^\tFahrer 1\t$spur1\tFahrer 2\t$spur2\t\r\$" ||
            fehler "Shift+D schreibt: $(head -n1 "$geschrieben")"
        laeufe=$(ls "$arbeit/daten"/Rennergebnis*.txt | wc -l)
        programmBeenden -9
        programmStarten "$rundomat" --simulate=0.5
        fenster '^Rennabend$' 600
        xdotool key Return
        fenster "$hauptfenstertitel"
    fi
done

xdotool key shift+n
fenster '^Rennabend$'
xdotool key alt+c
fenster 'Tabelle als CSV'
xdotool key ctrl+a
xdotool type "$arbeit/tabelle.csv"
xdotool key Return
fenster '^Rennabend$'
xdotool key alt+p
fenster 'Tabelle als PDF'
xdotool key ctrl+a
xdotool type "$arbeit/tabelle.pdf"
xdotool key Return
fenster '^Rennabend$'
for _ in $(seq 300); do [ -s "$arbeit/tabelle.pdf" ] && break; sleep 0.1; done
head -c 4 "$arbeit/tabelle.pdf" | grep -q '%PDF' || fehler "kein PDF"

bisExportiert "$rundomat" "$arbeit/alle.json" jsonGilt "$arbeit/alle.json" \
    '[r["modus"] for r in j["rennen"]].count("spurwechsel") == 3'
/usr/bin/python3 - "$arbeit/alle.json" "$arbeit/plan.txt" "$arbeit/tabelle.csv" <<'PY' \
    || fehler "Rennabend: $(cat "$arbeit/alle.json" "$arbeit/tabelle.csv")"
import json, sys
rennen = sorted(json.load(open(sys.argv[1]))["rennen"], key=lambda r: r["beginn"])
plan = [zeile.rstrip("\n").split("\t")[1:] for zeile in open(sys.argv[2])]
assert len(rennen) == 3, rennen
punkte = {"Anna": 0, "Bert": 0, "Carla": 0}
for r, paar in zip(rennen, plan):
    assert r["modus"] == "spurwechsel" and not r["abgebrochen"], r
    assert [s["fahrer"] for s in r["laeufe"][0]["spuren"]] == paar, (r, paar)
    if r["sieger"] is None:
        for f in paar:
            punkte[f] += 1
    else:
        punkte[r["sieger"]] += 3
zeilen = [z.rstrip("\r\n").split(";") for z in open(sys.argv[3], encoding="utf-8")]
kopf = zeilen[0]
tabelle = {z[kopf.index("Fahrer")]: int(z[kopf.index("Punkte")]) for z in zeilen[1:]}
assert tabelle == punkte, (tabelle, punkte)
assert [int(z[kopf.index("Punkte")]) for z in zeilen[1:]] == sorted(punkte.values(), reverse=True)
abende = json.load(open(sys.argv[1]))["rennabende"]
assert len(abende) == 1, abende
abend = abende[0]
nummern = {r["nummer"]: r["rennen"] for r in abend["rennen"]}
assert nummern == {i + 1: r["nummer"] for i, r in enumerate(rennen)}, (nummern, rennen)
assert all(r["zaehlt"] for r in abend["rennen"]) and abend["beendet"], abend
assert {z["name"]: z["punkte"] for z in abend["tabelle"]} == punkte, (abend["tabelle"], punkte)
print("Punkte:", tabelle)
PY
echo "Rennabend: drei Begegnungen mit Enter, Tabelle nach den gespeicherten Siegern, CSV und PDF."
