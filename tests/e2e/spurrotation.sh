#!/usr/bin/env bash
# A lane change of four drivers on a four-lane track on the simulator: four heats, Enter
# starts each, the live page names the leader after each of the first three, and after the
# last the result window lists every driver with four heats and the total. The history
# holds one race of four heats in which every driver drove every lane once, and its winner
# has the smallest total.
# Usage: spurrotation.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
hier=$(dirname "$0")
# Three laps: short races set no records, so no Hall of Fame question comes between heats.
einstellungen runden=3 prellzeit=0,3 SpurWechsel=True NachSiegerBeenden=False \
    fahrer1=Anna fahrer2=Bernd fahrer3=Clara fahrer4=Dora
anzeigeStarten de 1280x1024
programmStarten --lesbar --seite "$1" --simulate=0.6 --spuren 4
fenster "$hauptfenstertitel"
seite() { "$hier/seitenstand.py" "$url" "$@" || fehler "Seite ($*)"; }

for lauf in 1 2 3; do
    xdotool key Return
    seite titel="~Spurwechsel, $lauf\. Lauf.*" \
        ergebnis="~(Nach dem $lauf\. Lauf vorn: (Anna|Bernd|Clara|Dora)|$lauf\. Lauf: Unentschieden)"
done
xdotool key Return
fenster 'Ergebnis Spurwechselmodus' 600
for name in Anna Bernd Clara Dora; do
    zeigt "^Label	$name$"
done
zeigt '^Label	4\. Rennen$'
zeigt '^Label	([1-4]\.|–)$'
ueberschrift=$(fensterinhalt 'hat gewonnen!|Unentschieden' |
    grep -E 'hat gewonnen!|Unentschieden' | cut -f2)
xdotool key Return

bisExportiert "$1" "$arbeit/alle.json" jsonGilt "$arbeit/alle.json" 'any("laeufe" in r for r in j["rennen"])'
/usr/bin/python3 - "$arbeit/alle.json" "$ueberschrift" <<'PY' || fehler "Export: $(cat "$arbeit/alle.json")"
import json, sys
rennen = json.load(open(sys.argv[1]))["rennen"]
assert len(rennen) == 1, rennen
r = rennen[0]
assert r["modus"] == "spurwechsel", r["modus"]
laeufe = r["laeufe"]
assert len(laeufe) == 4, laeufe
spuren, summen = {}, {}
for lauf in laeufe:
    assert len(lauf["spuren"]) == 4, lauf
    for nummer, spur in enumerate(lauf["spuren"], 1):
        assert len(spur["runden"]) == 3, spur
        spuren.setdefault(spur["fahrer"], []).append(nummer)
        summen[spur["fahrer"]] = summen.get(spur["fahrer"], 0) + spur["gesamtzeit"]
assert sorted(spuren) == ["Anna", "Bernd", "Clara", "Dora"], spuren
for fahrer, gefahren in spuren.items():
    assert sorted(gefahren) == [1, 2, 3, 4], (fahrer, gefahren)
schnellste = min(summen.values())
vorn = [f for f, s in summen.items() if abs(s - schnellste) < 1e-9]
if len(vorn) == 1:
    assert r["sieger"] == vorn[0], (r["sieger"], summen)
    assert sys.argv[2] == vorn[0] + " hat gewonnen!", sys.argv[2]
print("Spuren:", spuren, "Summen:", summen, "Sieger:", r.get("sieger"))
PY
echo "Spurrotation: vier Läufe auf vier Spuren, jeder auf jeder Spur, Ergebnisfenster und Verlauf stimmen."
