#!/usr/bin/env bash
# The sounds reach the loudspeaker wherever the program was started from: a private
# PulseAudio whose only output is a null sink, recorded from its monitor, while a simulated
# race with sounds on runs in the program started from another folder. The recording
# holds the start sound (a rising tone of almost a second) and the short beeps of the laps.
# Usage: klangrennen.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
programm=$(realpath "$1")
tonserverStarten
aufnehmen aufnahme

einstellungen runden=4 MitSound=True RundenBeep=True PermanentesLogging=True prellzeit=0,3
cd /
programmStarten "$programm" --simulate=0.8
rennenStarten
rundenPruefen "$(ergebnisdatei 300)" 4

# The sounding stretches of the recording so far: the longest one and how many short ones
# (a beep lasts 100 ms; two laps at once ring one after the other), then all of them.
auswerten() {
    klangstrecken aufnahme | awk '$1 > l { l = $1 } $1 >= 50 && $1 <= 250 { k++ }
        { s = s " " $1 "ms" } END { print l + 0, k + 0, s }'
}
# The last lap's beep may still be on its way to the loudspeaker.
for _ in $(seq 50); do
    read -r laengste kurze strecken < <(auswerten)
    [ "$laengste" -ge 600 ] && [ "$kurze" -ge 2 ] && break
    sleep 0.2
done
aufnahmeEnde
[ "$laengste" -ge 600 ] || fehler "kein Startklang in der Aufnahme: $strecken"
[ "$kurze" -ge 2 ] || fehler "keine Pieptöne in der Aufnahme: $strecken"
echo "Klangrennen: Startklang (${laengste} ms) und $kurze Pieptöne kamen an, gestartet aus /."
