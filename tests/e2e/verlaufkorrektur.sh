#!/usr/bin/env bash
# A finished race corrected in the history window. Bernd's sensor missed a crossing, so Anna
# won a three-lap race she lost on the track. Shift+V, Enter opens the race, K begins its
# correction, → and ↓ choose Bernd's second lap, Ins inserts the missed crossing: Bernd wins,
# and the export marks his corrected laps and keeps the race as first stored. Ctrl+O
# restores it: Anna wins again. Del then takes away a crossing of Anna's: she is short of
# the finish, Bernd, home, keeps his time and wins; the race is no stopped one. In a
# lane-change race the same Del in the first heat leaves both heats on the page. The
# database is one of the version before corrections, so its upgrade is part of the run.
# Usage: verlaufkorrektur.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
rundomat=$1

/usr/bin/python3 - "$arbeit/daten/rennen.sqlite" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.executescript("""
PRAGMA application_id = 1380207956;
PRAGMA user_version = 1;
CREATE TABLE rennen (id INTEGER PRIMARY KEY, beginn TEXT NOT NULL, art TEXT NOT NULL,
  rundenzahl INTEGER NOT NULL, kurslaenge REAL NOT NULL, prellzeit REAL NOT NULL,
  signalquelle TEXT NOT NULL, abgebrochen INTEGER NOT NULL, sieger TEXT);
CREATE TABLE fahrten (rennen INTEGER NOT NULL REFERENCES rennen(id) ON DELETE CASCADE,
  lauf INTEGER NOT NULL, spur INTEGER NOT NULL, fahrer TEXT NOT NULL, farbe INTEGER NOT NULL,
  gesamtzeit REAL, schnitt REAL, bestzeit REAL, bestrunde INTEGER,
  PRIMARY KEY (rennen, lauf, spur)) WITHOUT ROWID;
CREATE TABLE runden (rennen INTEGER NOT NULL, lauf INTEGER NOT NULL, spur INTEGER NOT NULL,
  runde INTEGER NOT NULL, zeit REAL NOT NULL, geschwindigkeit REAL NOT NULL,
  vonhand INTEGER NOT NULL, PRIMARY KEY (rennen, lauf, spur, runde),
  FOREIGN KEY (rennen, lauf, spur) REFERENCES fahrten ON DELETE CASCADE) WITHOUT ROWID;
CREATE INDEX fahrten_fahrer ON fahrten (fahrer);
INSERT INTO rennen VALUES (1, '2026-05-01T20:00:00+02:00', 'rennen', 3, 5, 0.5, 'sensoren', 0, 'Anna');
INSERT INTO fahrten VALUES (1, 1, 1, 'Anna', 255, 12, 1.25, 4, 1);
INSERT INTO fahrten VALUES (1, 1, 2, 'Bernd', 65280, 15.6, 0.962, 3.9, 1);
INSERT INTO runden VALUES (1, 1, 1, 1, 4, 1.25, 0), (1, 1, 1, 2, 4, 1.25, 0), (1, 1, 1, 3, 4, 1.25, 0);
INSERT INTO runden VALUES (1, 1, 2, 1, 3.9, 1.282, 0), (1, 1, 2, 2, 7.8, 0.641, 0), (1, 1, 2, 3, 3.9, 1.282, 0);
INSERT INTO rennen VALUES (2, '2026-04-30T20:00:00+02:00', 'spurwechsel', 3, 5, 0.5, 'sensoren', 0, 'Bernd');
INSERT INTO fahrten VALUES (2, 1, 1, 'Anna', 255, 12, 1.25, 4, 1), (2, 1, 2, 'Bernd', 65280, 15, 1, 5, 1);
INSERT INTO fahrten VALUES (2, 2, 1, 'Bernd', 255, 11.9, 1.261, 3.9, 3), (2, 2, 2, 'Anna', 65280, 15, 1, 5, 1);
INSERT INTO runden VALUES (2, 1, 1, 1, 4, 1.25, 0), (2, 1, 1, 2, 4, 1.25, 0), (2, 1, 1, 3, 4, 1.25, 0);
INSERT INTO runden VALUES (2, 1, 2, 1, 5, 1, 0), (2, 1, 2, 2, 5, 1, 0), (2, 1, 2, 3, 5, 1, 0);
INSERT INTO runden VALUES (2, 2, 1, 1, 4, 1.25, 0), (2, 2, 1, 2, 4, 1.25, 0), (2, 2, 1, 3, 3.9, 1.282, 0);
INSERT INTO runden VALUES (2, 2, 2, 1, 5, 1, 0), (2, 2, 2, 2, 5, 1, 0), (2, 2, 2, 3, 5, 1, 0);
""")
db.commit()
PY

# The winner and Bernd's laps with their hints, as the JSON export has them.
stand() {
    "$rundomat" --verlauf-export "$arbeit/rennen.json" --data-dir "$arbeit/daten" || fehler "Export: $?"
    /usr/bin/python3 - "$arbeit/rennen.json" <<'PY'
import json, sys
r = json.load(open(sys.argv[1], encoding="utf-8"))["rennen"][0]
bernd = r["laeufe"][0]["spuren"][1]
print(r["sieger"], [x["zeit"] for x in bernd["runden"]], [x["hinweis"] for x in bernd["runden"]],
      "original" in r)
PY
}
# A race's winner, whether it was stopped, and per heat and lane the total (None: not home).
ergebnis() {
    "$rundomat" --verlauf-export "$arbeit/rennen.json" --data-dir "$arbeit/daten" || fehler "Export: $?"
    /usr/bin/python3 - "$arbeit/rennen.json" "$1" <<'PY'
import json, sys
r = [r for r in json.load(open(sys.argv[1], encoding="utf-8"))["rennen"]
     if r["nummer"] == int(sys.argv[2])][0]
print(r["sieger"], r["abgebrochen"],
      [[s["gesamtzeit"] for s in lauf["spuren"]] for lauf in r["laeufe"]])
PY
}
# Waits for what the command (stand, or ergebnis with a race's number) says to be as given.
warteAuf() {
    local erwartet=$1 jetzt=""
    shift
    for _ in $(seq 150); do
        jetzt=$("$@")
        [ "$jetzt" = "$erwartet" ] && return 0
        sleep 0.2
    done
    fehler "erwartet: $erwartet, bekommen: $jetzt"
}
warteAufStand() { warteAuf "$1" stand; }

warteAufStand "Anna [3.9, 7.8, 3.9] [None, 'verpasst?', None] False"
einstellungen runden=3 port=?
programmStarten --lesbar "$rundomat"
nurTastatur
xdotool key shift+v
fenster '^Rennverlauf$'
zeigt 'Enter: Rennen öffnen' 'Der Rennverlauf wird gelesen'
xdotool key Down Return # the list has the newest race first
zeigt '^Label\tRennen 1 vom '
xdotool key k
zeigt 'Einfg: Durchfahrt einfügen'
xdotool key Right Down Insert
warteAufStand "Bernd [3.9, 3.9, 3.9] [None, 'korrigiert', 'korrigiert'] True"
xdotool key ctrl+o
warteAufStand "Anna [3.9, 7.8, 3.9] [None, 'verpasst?', None] False"

# The correction begins afresh on Anna's first lap.
zeigt 'Korrektur – Runde 1, Spur 1 \(Anna, 3 Durchfahrten\)'
xdotool key Delete
zeigt 'Sieger: Bernd – korrigiert'
zeigt 'Spur 2 – Bernd: Gesamt 15,600 s'
warteAuf "Bernd False [[None, 15.6]]" ergebnis 1

xdotool key Escape Escape
zeigt 'Enter: Rennen öffnen'
xdotool key Up Return
zeigt '^Label\tRennen 2 vom '
xdotool key k
zeigt 'Korrektur – Runde 1, Lauf 1, Spur 1 \(Anna, 3 Durchfahrten\)'
xdotool key Delete
zeigt 'Lauf 2, Spur 1 – Bernd: Gesamt 11,900 s'
warteAuf "Bernd False [[None, 15], [11.9, 15]]" ergebnis 2
echo "Verlaufskorrektur: die eingefügte Durchfahrt macht Bernd zum Sieger, Strg+O stellt das Original wieder her;" \
    "ohne eine Durchfahrt Annas behält Bernd sein Ziel und gewinnt, beim Spurwechsel mit beiden Läufen."
