#!/usr/bin/env bash
# The sounds reach the loudspeaker wherever the program was started from: a private
# PulseAudio whose only output is a null sink, recorded from its monitor, while a simulated
# race with sounds on runs in the program started from another folder. The recording
# holds the start sound (a rising tone of almost a second) and the short beeps of the laps.
# Usage: klangrennen.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
programm=$(realpath "$1")
aufnahme=""
trap 'kill $aufnahme 2>/dev/null || true; aufraeumen' EXIT

tonserverStarten
parec --device=rennbahn.monitor --format=s16le --rate=8000 --channels=1 --raw \
    --latency-msec=20 >"$arbeit/aufnahme.raw" &
aufnahme=$!

einstellungen runden=4 MitSound=True RundenBeep=True PermanentesLogging=True prellzeit=0,3
anzeigeStarten de
cd /
programmStarten "$programm" --simulate=0.8
fenster '^Rundomat$'
xdotool key Return
rundenPruefen "$(ergebnisdatei 300)" 4

# The sounding stretches of the recording so far, in 10-ms steps: the longest one and how
# many short ones (a beep lasts 100 ms; two laps at once ring one after the other).
auswerten() {
    python3 - "$arbeit/aufnahme.raw" <<'PY'
import array, sys
daten = open(sys.argv[1], "rb").read()  # still being recorded: maybe half a sample
proben = array.array("h", daten[: len(daten) // 2 * 2])
schritt = 80  # 10 ms at 8 kHz
laut = [max(map(abs, proben[i:i + schritt]), default=0) > 1000
        for i in range(0, len(proben), schritt)]
strecken, lauf = [], 0
for l in laut + [False]:
    if l:
        lauf += 1
    elif lauf:
        strecken.append(lauf)
        lauf = 0
print(max(strecken, default=0) * 10, sum(1 for s in strecken if 5 <= s <= 25),
      " ".join(f"{s * 10}ms" for s in strecken))
PY
}
# The last lap's beep may still be on its way to the loudspeaker.
for _ in $(seq 50); do
    read -r laengste kurze strecken < <(auswerten)
    [ "$laengste" -ge 600 ] && [ "$kurze" -ge 2 ] && break
    sleep 0.2
done
kill "$aufnahme"
wait "$aufnahme" 2>/dev/null || true
aufnahme=""
[ "$laengste" -ge 600 ] || fehler "kein Startklang in der Aufnahme: $strecken"
[ "$kurze" -ge 2 ] || fehler "keine Pieptöne in der Aufnahme: $strecken"
echo "Klangrennen: Startklang (${laengste} ms) und $kurze Pieptöne kamen an, gestartet aus /."
