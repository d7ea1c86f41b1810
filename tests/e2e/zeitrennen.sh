#!/usr/bin/env bash
# A race of 10 seconds by time with the rule RundeBeenden on the track simulator: each car's
# first crossing past 10 s is its last, the greater distance wins, and the history's JSON
# export tells the format and the distances. With "spurwechsel" two heats of 10 s, and the
# winner has the greater sum of both heats' distances.
# Usage: zeitrennen.sh PATH/TO/rundomat einfach|spurwechsel
source "$(dirname "$0")/gemeinsam.sh"
rundomat=$1 art=$2
spurwechsel=False
[ "$art" = spurwechsel ] && spurwechsel=True
einstellungen Rennart=Zeit Renndauer=10 Zielregel=RundeBeenden SpurWechsel=$spurwechsel \
    prellzeit=0,3
programmStarten "$rundomat" --simulate=0.8
fenster "$hauptfenstertitel"

# Each heat: Enter, then the Hall of Fame asks for the name of a record (the list is empty).
laeufe=1
[ "$art" = spurwechsel ] && laeufe=2
for lauf in $(seq "$laeufe"); do
    xdotool key Return
    hofEintragen 600
    fenster "$hauptfenstertitel"
done
if [ "$art" = spurwechsel ]; then
    fenster 'Ergebnis Spurwechselmodus'
    xdotool key Return
fi

bisExportiert "$rundomat" "$arbeit/alle.json" jsonGilt "$arbeit/alle.json" \
    'any("rennart" in r for r in j["rennen"])'
/usr/bin/python3 - "$arbeit/alle.json" "$laeufe" <<'PY' || fehler "Export: $(cat "$arbeit/alle.json")"
import json, sys
rennen = json.load(open(sys.argv[1]))["rennen"]
assert len(rennen) == 1, rennen
r = rennen[0]
assert (r["rennart"], r["renndauer"], r["zielregel"]) == ("Zeit", 10, "RundeBeenden"), r
laeufe = r["laeufe"]
assert len(laeufe) == int(sys.argv[2]), laeufe
summen = {}
for lauf in laeufe:
    for spur in lauf["spuren"]:
        zeiten = [runde["zeit"] for runde in spur["runden"]]
        # Home at the first crossing at or past 10 s: the one before came earlier.
        assert spur["gesamtzeit"] >= 10 and sum(zeiten[:-1]) < 10, spur
        assert spur["distanz"] == len(zeiten), spur
        summen[spur["fahrer"]] = summen.get(spur["fahrer"], 0) + spur["distanz"]
fahrer = sorted(summen, key=summen.get, reverse=True)
if summen[fahrer[0]] != summen[fahrer[1]]:
    assert r["sieger"] == fahrer[0], (r["sieger"], summen)
print("Distanzen:", summen, "Sieger:", r["sieger"])
PY
echo "Zeitrennen ($art): Ende nach der ersten Durchfahrt nach 10 s, die größere Distanz gewinnt."
