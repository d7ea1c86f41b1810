#!/usr/bin/env bash
# The sound server goes away in the middle of a race, killed while the voice speaks or told
# to quit: the race goes on to its end, its result file is written and the history holds it.
# With a new server the voice, the start sound and the beeps come back in the same program;
# without one the race ends in silence. A private PulseAudio whose only output is a null
# sink, recorded from its monitor; the real program under Xvfb on the simulated track.
# Usage: tonserverausfall.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
programm=$1
pulse=""
trap 'kill $pulse 2>/dev/null || true; aufraeumen' EXIT

# The program and the recordings reach the server through a link to its socket, which a
# server already started takes over at once, as the desktop's socket activation has a
# server there as soon as the old one is gone. Qt's audio looks for the server three
# seconds after losing it, and not again.
export PULSE_SERVER=unix:$arbeit/sockel
server=0
pulseStarten() {
    local ordner=$arbeit/pulse$((++server))
    mkdir -p "$ordner"
    # Without the display it finds no session bus, where the servers' names would clash.
    env -u DISPLAY PULSE_RUNTIME_PATH="$ordner" HOME="$ordner" \
        pulseaudio -n --daemonize=no --exit-idle-time=-1 \
        --load="module-native-protocol-unix socket=$ordner/native auth-anonymous=1" \
        --load="module-null-sink sink_name=rennbahn" >>"$arbeit/pulse.txt" 2>&1 &
    pulse="$pulse $!"
    for _ in $(seq 100); do
        PULSE_SERVER=unix:$ordner/native pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
    PULSE_SERVER=unix:$ordner/native pactl info >/dev/null 2>&1 ||
        fehler "PulseAudio startet nicht: $(cat "$arbeit/pulse.txt")"
}
# Ends the server in use the given way (kill or -k); with "neu" the one started last takes
# its place at once.
pulseBeenden() {
    local ordner=$arbeit/pulse$1 pid
    pid=$(cat "$ordner/pid")
    if [ "$2" = -k ]; then
        PULSE_RUNTIME_PATH=$ordner HOME=$ordner pulseaudio -k
    else
        kill "$pid"
    fi
    [ "${3:-}" = neu ] && ln -sfn "$arbeit/pulse$server/native" "$arbeit/sockel"
    while kill -0 "$pid" 2>/dev/null; do sleep 0.1; done
}
# How many ms a recording has been silent at its end.
stille() {
    python3 - "$arbeit/$1.raw" <<'PY'
import array, sys
daten = open(sys.argv[1], "rb").read()
proben = array.array("h", daten[: len(daten) // 2 * 2])
laut = [i for i, p in enumerate(proben) if abs(p) > 1000]
print((len(proben) - 1 - (laut[-1] if laut else -1)) // 8)  # 8 samples a ms
PY
}
# Waits for the n-th race's result file, written at its end, and checks its four laps.
rennende() { rundenPruefen "$(ergebnisdatei 300 "$1")" 4; }

einstellungen runden=4 MitSound=True RundenBeep=True SchnellsterRundenBeep=False \
    PermanentesLogging=True prellzeit=0,3
anzeigeStarten de
pulseStarten
ln -s "$arbeit/pulse1/native" "$arbeit/sockel"
programmStarten "$programm" --simulate=1.5 --ansage-log "$arbeit/ansagen.log"
fenster "$hauptfenstertitel"

# Race 1: once two announcements are queued the voice speaks, and the server is killed; the
# next one is there at once.
pulseStarten
xdotool key Return
warteAufZeilen "$arbeit/ansagen.log" 2
pulseBeenden 1 kill neu
rennende 1
# The voice alone: "Probe" in the announcements window (Shift+Tab twice from its first box).
aufnehmen stimme
xdotool key shift+a
fenster '^Ansagen$'
xdotool key shift+Tab shift+Tab space
# Until the voice has spoken and is silent again: what it still said would sound in the
# next recording.
stimme() { klangstrecken stimme | awk '{ s += $1 } END { print s + 0 }'; }
for _ in $(seq 100); do
    [ "$(stimme)" -ge 400 ] && [ "$(stille stimme)" -ge 1000 ] && break
    sleep 0.2
done
aufnahmeEnde
[ "$(stimme)" -ge 400 ] || fehler "keine Stimme vom neuen Tonserver: $(klangstrecken stimme)"

xdotool key Escape
fenster "$hauptfenstertitel"

# Race 2 without announcements (the window's first box): the start sound and two lap beeps
# come, then the server is told to quit and the race ends in silence.
xdotool key shift+a
fenster '^Ansagen$'
xdotool key space Escape
fenster "$hauptfenstertitel"
aufnehmen rennen2
xdotool key Return
for _ in $(seq 60); do
    sleep 0.5
    read -r erste kurze < <(klangstrecken rennen2 | awk 'NR == 1 { e = $1 } $1 >= 50 && $1 <= 250 { k++ }
        END { print e + 0, k + 0 }')
    [ "$erste" -ge 600 ] && [ "$kurze" -ge 2 ] && break
done
pulseBeenden 2 -k
aufnahmeEnde
[ "$erste" -ge 600 ] && [ "$kurze" -ge 2 ] ||
    fehler "Startklang und Pieptöne fehlen beim neuen Tonserver: $(klangstrecken rennen2)"
rennende 2

# Both races are in the history, and the program still runs.
programmLaeuft
"$programm" --verlauf-export "$arbeit/alle.json" --data-dir "$arbeit/daten" ||
    fehler "Export: $?"
jsonGilt "$arbeit/alle.json" 'len(j["rennen"]) == 2 and not any(r["abgebrochen"] for r in j["rennen"])' ||
    fehler "Verlauf: $(cat "$arbeit/alle.json")"
echo "Tonserverausfall: beide Rennen geschrieben und gespeichert, Stimme, Klänge und Pieptöne kamen zurück."
