#!/usr/bin/env bash
# The race history of the real program. A race driven by hand (Shift+1 / Shift+2 after a
# flying start) or by the track simulator is in `rundomat --verlauf-export` output, read by
# a second program while the first still runs, and in the window: Shift+V, Enter opens the
# race, Ctrl+E exports it from there, and that file is the command line's.
# With "sperre", another program holds the database's write lock while races end: the race
# waits beside the database, the racer is told which file, the window opens at once and
# lists it, the export has it, and it is stored once the lock is gone, without a restart
# and, for a race whose program ended meanwhile, at the next start.
# Usage: verlauf.sh PATH/TO/rundomat tastatur|simulation|sperre
source "$(dirname "$0")/gemeinsam.sh"
rundomat=$1 art=$2

exportieren() { "$rundomat" --verlauf-export "$1" --data-dir "$arbeit/daten"; }

# Another program's write lock on the race database, held until freigeben.
sperren() {
    rm -f "$arbeit/frei" "$arbeit/gesperrt"
    /usr/bin/python3 - "$arbeit/daten/rennen.sqlite" "$arbeit" <<'PY' &
import os, sqlite3, sys, time
db = sqlite3.connect(sys.argv[1], isolation_level=None)
db.execute("BEGIN EXCLUSIVE")
open(os.path.join(sys.argv[2], "gesperrt"), "w").close()
while not os.path.exists(os.path.join(sys.argv[2], "frei")):
    time.sleep(0.1)
db.execute("ROLLBACK")
PY
    nebenprozess=$!
    for _ in $(seq 300); do [ -e "$arbeit/gesperrt" ] && return 0; sleep 0.1; done
    fehler "die Sperre kommt nicht zustande"
}
freigeben() { touch "$arbeit/frei"; wait "$nebenprozess"; nebenprozess=""; }

# Waits up to 30 s until the export's races are as given, one a line: number or "wartet".
warteAufExport() {
    for _ in $(seq 150); do
        exportieren "$arbeit/spalte.csv" || fehler "Export: $?"
        [ "$(tail -n +2 "$arbeit/spalte.csv" | cut -d';' -f1 | uniq)" = "$1" ] && return 0
        sleep 0.2
    done
    fehler "Export: erwartet $1, bekommen $(cat "$arbeit/spalte.csv")"
}

# A simulated five-lap race from the focused main window until the Hall of Fame closes,
# then the history's message about the lock: read as a screen reader reads it.
gesperrtesRennen() {
    xdotool key Return
    hofEintragen 600
    fenster '^Rennverlauf$' 300
    gemeldet=$(date +%s%N)
    inhalt=$(fensterinhalt 'Ursache: ')
    grep -qF "Datei: $arbeit/daten/rennen.sqlite" <<<"$inhalt" &&
        grep -qF 'Ursache: Ein anderes Programm hält die Datei länger als 5 Sekunden gesperrt.' <<<"$inhalt" &&
        grep -qE "Es wartet in $arbeit/daten/rennen-wartend-[0-9-]+-[0-9a-f]{8}\.json " <<<"$inhalt" ||
        fehler "Meldung: $inhalt"
    xdotool key Return
}

if [ "$art" = sperre ]; then
    einstellungen runden=5 prellzeit=0,3
    programmStarten --lesbar "$rundomat" --simulate=0.6
    fenster "$hauptfenstertitel"
    for _ in $(seq 300); do [ -e "$arbeit/daten/rennen.sqlite" ] && break; sleep 0.1; done
    sperren
    gesperrtesRennen

    # The window opens at once with the waiting race, while the lock is still held: also
    # half a second into the writer's next 5 s wait for it.
    warten=$(( 5500 - ($(date +%s%N) - gemeldet) / 1000000 ))
    [ "$warten" -gt 0 ] && sleep "${warten}e-3"
    beginn=$(date +%s%N)
    xdotool key shift+v
    fenster '^Rennverlauf$' 20
    geoeffnet=$(( ($(date +%s%N) - beginn) / 1000000 ))
    [ "$geoeffnet" -lt 2500 ] || fehler "das Fenster öffnet erst nach $geoeffnet ms"
    inhalt=$(fensterinhalt 'Rennen wartet noch')
    grep -qxF 'Label	1 Rennen wartet noch darauf, in der Renndatenbank gespeichert zu werden.' \
        <<<"$inhalt" || fehler "Fenster: $inhalt"
    xdotool key Escape
    warteAufExport wartet

    # Released: stored while the program runs.
    freigeben
    warteAufExport 1

    # Locked again, and the program ends before the lock is gone: the race waits for the
    # next start, and the export has it meanwhile.
    sperren
    fenster "$hauptfenstertitel"
    gesperrtesRennen
    programmBeenden
    freigeben
    warteAufExport $'1\nwartet'
    programmStarten "$rundomat" --simulate=0.6
    warteAufExport $'1\n2'
    ls "$arbeit"/daten/rennen-wartend-*.json >/dev/null 2>&1 && fehler "Wartedatei bleibt"
    echo "Verlauf (sperre): die Rennen warten neben der Datenbank und werden nachgetragen;" \
        "das Fenster war nach $geoeffnet ms offen."
    exit 0
fi

if [ "$art" = tastatur ]; then
    # A name with what CSV and the settings file quote (written as the settings file does).
    einstellungen runden=5 ohneCountdown=True 'fahrer1="Anna \"Blitz\"; Ö"' fahrer2=Jürgen port=?
    programmStarten --lesbar "$rundomat"
    nurTastatur
    xdotool key Return
    # The first key starts the clock. Keys until the race is over, so that a lap lost to
    # keys that arrive within one millisecond is made up by the next.
    for _ in $(seq 30); do
        xdotool key shift+1
        xdotool key shift+2
        sleep 0.3
        xdotool search --onlyvisible --name 'Gut gefahren' >/dev/null 2>&1 && break
    done
    namen='Anna "Blitz"; Ö|Jürgen' quelle=tastatur hand=ja
else
    einstellungen runden=5 prellzeit=0,3
    programmStarten --lesbar "$rundomat" --simulate=0.6
    rennenStarten
    namen='Fahrer 1|Fahrer 2' quelle=simulation hand=nein
fi
# The winner of five laps goes into the empty Hall of Fame; by then the race is stored.
hofEintragen 600

# The command line, while the program runs: one row per lap, laps 1 to 5 on both lanes.
bisExportiert "$rundomat" "$arbeit/alle.csv" mindestensZeilen "$arbeit/alle.csv" 11
csv=$(tr -d '\r' <"$arbeit/alle.csv")
[ "$(head -c3 "$arbeit/alle.csv" | xxd -p)" = efbbbf ] || fehler "keine BOM: $csv"
[ "$(sed -n 1p <<<"$csv")" = $'\ufeffRennen;Datum;Modus;Lauf;Spur;Fahrer;Runde;Zeit (s);Geschwindigkeit (m/s);Handrunde;Rennart;Renndauer (s);Zielregel;Distanz (Runden);Hinweis' ] \
    || fehler "Kopfzeile: $csv"
[ "$(wc -l <<<"$csv")" -eq 11 ] || fehler "zehn Runden erwartet: $csv"
for spur in 1 2; do
    name=$(cut -d'|' -f"$spur" <<<"$namen")
    feld=$name
    [[ "$name" == *'"'* ]] && feld="\"${name//\"/\"\"}\""
    for runde in 1 2 3 4 5; do
        grep -qE "^1;[0-9]{2}\.[0-9]{2}\.[0-9]{4} [0-9:]{8};Rennen;1;$spur;$(sed 's/[].[*^$|]/\\&/g' <<<"$feld");$runde;[0-9]+,[0-9]{3};[0-9]+,[0-9]{3};$hand;Runden;;;;(doppelt\?|verpasst\?)?\$" <<<"$csv" \
            || fehler "Spur $spur, Runde $runde: $csv"
    done
done
exportieren "$arbeit/alle.json" || fehler "JSON-Export: $?"
python3 - "$arbeit/alle.json" "$quelle" "$namen" <<'PY' || fehler "JSON: $(cat "$arbeit/alle.json")"
import json, sys
rennen = json.load(open(sys.argv[1], encoding="utf-8"))["rennen"]
assert len(rennen) == 1, rennen
r = rennen[0]
assert r["signalquelle"] == sys.argv[2] and r["modus"] == "rennen" and not r["abgebrochen"], r
spuren = r["laeufe"][0]["spuren"]
assert [s["fahrer"] for s in spuren] == sys.argv[3].split("|"), spuren
assert all(len(s["runden"]) == 5 and s["gesamtzeit"] > 0 for s in spuren), spuren
assert r["sieger"] in sys.argv[3].split("|"), r
PY

# The window: the race is the first in the list; exported from its page, it is the same file.
# Each key once the window shows what it acts on.
xdotool key shift+v
fenster '^Rennverlauf$'
zeigt 'Enter: Rennen öffnen' 'Der Rennverlauf wird gelesen'
xdotool key Return
zeigt '^Label\tRennen 1 vom '
xdotool key ctrl+e
fenster 'Rennverlauf exportieren'
xdotool key Return
for _ in $(seq 300); do [ -s "$arbeit/daten/rennen-1.csv" ] && break; sleep 0.1; done
cmp "$arbeit/daten/rennen-1.csv" "$arbeit/alle.csv" || fehler "Export aus dem Fenster: $(cat "$arbeit/daten/rennen-1.csv")"
xdotool key Escape Escape
for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Rennverlauf$' >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name '^Rennverlauf$' >/dev/null 2>&1 && fehler "Esc schließt das Fenster nicht"
echo "Verlauf ($art): das Rennen steht im Fenster und im Export."
