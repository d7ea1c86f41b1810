#!/usr/bin/env bash
# A race night of six drivers on a four-lane track on the simulator: --rennabend plans the
# round over every lane, six Läufe of four; the window "Rennabend" (Shift+N) says who drives
# the first Lauf on which lane, and the live page says it too; on a phone the page follows one
# driver, who sits the first Lauf out, to their own next Lauf. Enter alone starts every Lauf
# of 10 s by time (by then no car has driven the five laps a record needs, so no Hall of Fame
# question comes between). Each Lauf's end shows as its result file. The history's JSON then
# holds the night with its plan lane by lane and its six races of four lanes, each driven as
# planned, and standings by the distance over every Lauf: each driver's the sum of their
# races' distances, the greatest first.
# Usage: rennabendvierspuren.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
rundomat=$1 hier=$(dirname "$0")
namen="Anna,Bert,Carla,Dora,Emil,Fritz"
einstellungen Rennart=Zeit Renndauer=10 Zielregel=RundeBeenden RennabendWertung=Gesamtrunden \
    PermanentesLogging=True prellzeit=0,3
"$rundomat" --rennabend-plan "$namen" --spuren 4 --format spurrotation >"$arbeit/plan.txt"
[ "$(wc -l <"$arbeit/plan.txt")" = 6 ] || fehler "Plan: $(cat "$arbeit/plan.txt")"
# Mean laps of 4 s: three laps in a Lauf of 10 s, four at the most.
programmStarten --lesbar --seite "$rundomat" --simulate=4 --spuren 4 --rennabend "$namen"
fenster "$hauptfenstertitel"

IFS=$'\t' read -r _ s1 s2 s3 s4 <"$arbeit/plan.txt"
erster="Als Nächstes: Lauf 1 – $s1 (Spur 1), $s2 (Spur 2), $s3 (Spur 3), $s4 (Spur 4)"
"$hier/seitenstand.py" "$url" naechste="$erster" || fehler "Seite: Als Nächstes"
# A driver who sits out the first Lauf follows their own on their phone, typed in small letters.
read -r wartend nummer spur < <(/usr/bin/python3 - "$namen" "$arbeit/plan.txt" <<'PY'
import sys
plan = [zeile.rstrip("\n").split("\t") for zeile in open(sys.argv[2], encoding="utf-8")]
name = next(n for n in sys.argv[1].split(",") if n not in plan[0])
lauf = next(l for l in plan if name in l)
print(name, lauf[0], lauf.index(name))
PY
)
"$hier/meinlauf.py" "$url" "$arbeit" "${wartend,,}" "Dein nächster Lauf: Lauf $nummer, Spur $spur" ||
    fehler "Seite: Dein nächster Lauf"
xdotool key shift+n
fenster '^Rennabend$'
zeigt "^Label	$(sed 's/[()]/\\&/g' <<<"$erster")\$"
xdotool key Escape
fenster "$hauptfenstertitel"

for lauf in 1 2 3 4 5 6; do
    xdotool key Return
    ergebnisdatei 600 "$lauf" >/dev/null
done

bisExportiert "$rundomat" "$arbeit/alle.json" jsonGilt "$arbeit/alle.json" \
    'len(j["rennen"]) == 6 and len(j["rennabende"][0]["rennen"]) == 6'
/usr/bin/python3 - "$arbeit/alle.json" "$arbeit/plan.txt" <<'PY' ||
import json, sys
j = json.load(open(sys.argv[1], encoding="utf-8"))
plan = [zeile.rstrip("\n").split("\t")[1:] for zeile in open(sys.argv[2], encoding="utf-8")]
abende = j["rennabende"]
assert len(abende) == 1, abende
abend = abende[0]
assert (abend["format"], abend["wertung"], abend["spurenzahl"]) == ("Spurrotation", "Gesamtrunden", 4), abend
assert [e["spuren"] for e in abend["plan"]] == plan, (abend["plan"], plan)
assert [[e["spur1"], e["spur2"]] for e in abend["plan"]] == [p[:2] for p in plan], abend["plan"]
rennen = {r["nummer"]: r for r in j["rennen"]}
assert sorted(e["nummer"] for e in abend["rennen"]) == list(range(1, 7)), abend["rennen"]
summen = {}
for eintrag in abend["rennen"]:
    r = rennen[eintrag["rennen"]]
    assert not r["abgebrochen"] and r["rennart"] == "Zeit" and len(r["laeufe"]) == 1, r
    spuren = r["laeufe"][0]["spuren"]
    assert [s["fahrer"] for s in spuren] == plan[eintrag["nummer"] - 1], (r, plan)
    for s in spuren:
        assert s["distanz"] >= 1, s
        summen[s["fahrer"]] = summen.get(s["fahrer"], 0) + s["distanz"]
tabelle = abend["tabelle"]
assert {z["name"]: z["distanz"] for z in tabelle} == summen, (tabelle, summen)
assert all(z["gewertet"] == 4 for z in tabelle), tabelle
distanzen = [z["distanz"] for z in tabelle]
assert distanzen == sorted(distanzen, reverse=True), tabelle
assert abend["beendet"], abend
print("Distanzen:", summen)
PY
    fehler "Rennabend: $(cat "$arbeit/alle.json")"
echo "Rennabend auf vier Spuren: sechs Läufe mit Enter, jede Spur wie geplant, Tabelle nach der Distanz."
