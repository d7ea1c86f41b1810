#!/usr/bin/env bash
# The announcements' figures. The first needs an audio output: a PulseAudio server of our
# own whose only sink is a null sink, so nothing is heard and no running sound server is
# touched. The second runs without any, so the voice renders one text after the other.
# Usage: ansagen.sh PATH/TO/rundomat-ansage-bench
set -euo pipefail
arbeit=$(mktemp -d)
pulse=""
aufraeumen() {
    [ -n "$pulse" ] && kill "$pulse" 2>/dev/null || true
    rm -rf "$arbeit"
}
trap aufraeumen EXIT

HOME=$arbeit XDG_RUNTIME_DIR=$arbeit pulseaudio -n --daemonize=no --use-pid-file=no \
    --exit-idle-time=-1 --disable-shm=yes \
    -L "module-native-protocol-unix socket=$arbeit/sockel auth-anonymous=1" \
    -L "module-null-sink sink_name=ansagen" >"$arbeit/pulseaudio.txt" 2>&1 &
pulse=$!
export PULSE_SERVER=unix:$arbeit/sockel
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { cat "$arbeit/pulseaudio.txt" >&2; exit 1; }
"$1" erste-samples

PULSE_SERVER=unix:$arbeit/keiner "$1" leitung
