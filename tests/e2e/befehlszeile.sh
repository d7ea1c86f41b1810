#!/usr/bin/env bash
# The command line without a display: --version, a German --help whose every option the
# manual page describes too, and an unknown option or a --web that names no port or no IP
# address of the right form, or a --spuren outside 2 to 8, gets a German message, the help's first line and exit code 2.
# Usage: befehlszeile.sh PATH/TO/rundomat PATH/TO/rundomat.1
set -euo pipefail
fehler() { echo "FEHLER: $*" >&2; exit 1; }
ohneAnzeige() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }

[ "$(ohneAnzeige "$1" --version)" = "rundomat $(sed -n 's/.*"Rundomat \([0-9.]*\)".*/\1/p' "$2")" ] \
    || fehler "--version: $(ohneAnzeige "$1" --version)"

hilfe=$(ohneAnzeige "$1" --help)
grep -q 'Zeigt Hilfe zu den Kommandozeilenoptionen an' <<<"$hilfe" || fehler "Qt-Texte: $hilfe"
handbuch=$(sed 's/\\-/-/g' "$2")
for option in $(grep -oE '^ +(-[a-z], )?--[a-z-]+' <<<"$hilfe" | grep -oE -- '--[a-z-]+'); do
    [ "$option" = --help-all ] && continue
    grep -qF -- "$option" <<<"$handbuch" || fehler "$option fehlt in der Handbuchseite"
done

set +e
ausgabe=$(ohneAnzeige "$1" --gibtsnicht 2>&1)
code=$?
set -e
[ "$code" = 2 ] || fehler "Exit-Code $code für eine unbekannte Option"
[ "$ausgabe" = "rundomat: Unbekannte Option 'gibtsnicht'.
$(head -n1 <<<"$hilfe")" ] || fehler "unbekannte Option: $ausgabe"
for falsch in 0 70000 localhost:8080 ::1:8080 '[127.0.0.1]:80' 127.0.0.1 192.168.1.300:80; do
    [ "$(ohneAnzeige "$1" --web="$falsch" 2>&1 | head -n1; echo "${PIPESTATUS[0]}")" = "rundomat: \
--web erwartet eine Portnummer zwischen 1 und 65535, wahlweise mit einer IP-Adresse dieses PCs \
davor: --web=8080, --web=127.0.0.1:8080 oder --web=[::1]:8080.
2" ] || fehler "--web=$falsch: $(ohneAnzeige "$1" --web="$falsch" 2>&1)"
done
for falsch in 1 9 vier 4,5 ''; do
    [ "$(ohneAnzeige "$1" --spuren "$falsch" 2>&1 | head -n1; echo "${PIPESTATUS[0]}")" = \
        "rundomat: --spuren erwartet eine Spurenzahl von 2 bis 8, nicht „$falsch“.
2" ] || fehler "--spuren $falsch: $(ohneAnzeige "$1" --spuren "$falsch" 2>&1)"
done
echo "Befehlszeile: --version, --help und unbekannte Optionen stimmen, ohne Bildschirm."
