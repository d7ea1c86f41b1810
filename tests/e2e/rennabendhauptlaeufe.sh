#!/usr/bin/env bash
# A race night with a qualifying and mains on a four-lane track on the simulator: seven
# drivers qualify by distance in two Läufe of 10 s, then the B main (the four seeded after
# the best three) and the A main, whose last lane is the seat of the B main's winner. Enter
# alone starts every Lauf. The history's JSON then holds the night's four races: the B main
# with the seeds 4 to 7, the A main with the best three of the qualifying and the B main's
# winner on lane 4, and the standings led by the A main's order, then the B main's others.
# Usage: rennabendhauptlaeufe.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
rundomat=$1
namen="Anna,Bert,Carla,Dora,Emil,Fritz,Gina"
einstellungen Rennart=Zeit Renndauer=10 Zielregel=RundeBeenden RennabendWertung=Gesamtrunden \
    RennabendQualifikation=MeisteRunden RennabendAufsteiger=True PermanentesLogging=True \
    prellzeit=0,3
programmStarten --lesbar "$rundomat" --simulate=4 --spuren 4 --rennabend "$namen"
fenster "$hauptfenstertitel"
for lauf in 1 2 3 4; do
    xdotool key Return
    ergebnisdatei 600 "$lauf" >/dev/null
done

bisExportiert "$rundomat" "$arbeit/alle.json" jsonGilt "$arbeit/alle.json" \
    'len(j["rennen"]) == 4 and j["rennabende"][0]["beendet"]'
/usr/bin/python3 - "$arbeit/alle.json" <<'PY' ||
import json, sys
j = json.load(open(sys.argv[1], encoding="utf-8"))
abend = j["rennabende"][0]
rennen = {r["nummer"]: r for r in j["rennen"]}
def lauf(eintrag):
    r = rennen[next(e["rennen"] for e in abend["rennen"] if e["nummer"] == eintrag)]
    assert not r["abgebrochen"] and r["rennart"] == "Zeit", r
    return [s for s in r["laeufe"][0]["spuren"] if s["fahrer"]]
roster = "Anna Bert Carla Dora Emil Fritz Gina".split()
def beste(s):
    return min((r["zeit"] for r in s["runden"]), default=float("inf"))
# The qualifying by distance, ties by the better best lap, then the roster's order.
def startaufstellung(spuren):
    return [s["fahrer"] for s in sorted(spuren, key=lambda s: (-s["distanz"], beste(s), roster.index(s["fahrer"])))]
# A main by its own result: the distance, ties by who was at the line first.
def reihenfolge(spuren):
    return [s["fahrer"] for s in sorted(spuren, key=lambda s: (-s["distanz"], s["gesamtzeit"]))]
plan = abend["plan"]
assert [e.get("hauptlauf", 0) for e in plan] == [0, 0, 2, 1], plan
quali = lauf(1) + lauf(2)
assert sorted(s["fahrer"] for s in quali) == sorted(roster), quali
gesetzt = startaufstellung(quali)
b_main, a_main = lauf(3), lauf(4)
assert sorted(s["fahrer"] for s in b_main) == sorted(gesetzt[3:]), (b_main, gesetzt)
b_sieger = reihenfolge(b_main)[0]
assert rennen[next(e["rennen"] for e in abend["rennen"] if e["nummer"] == 3)]["sieger"] == b_sieger
assert [s["fahrer"] for s in a_main][:3] == gesetzt[:3], (a_main, gesetzt)
assert [e["spuren"] for e in plan][3][3] == b_sieger, (plan, b_sieger)
namen = [z["name"] for z in abend["tabelle"]]
assert namen == reihenfolge(a_main) + [f for f in reihenfolge(b_main) if f != b_sieger], (namen, a_main, b_main)
print("Startaufstellung:", gesetzt, "Aufsteiger:", b_sieger, "Tabelle:", namen)
PY
    fehler "Rennabend mit Hauptläufen: $(cat "$arbeit/alle.json")"
echo "Rennabend mit Qualifikation: B-Hauptlauf, sein Sieger steigt auf, A-Hauptlauf, Tabelle nach den Hauptläufen."
