#!/usr/bin/env bash
# The Debian package as a racer gets it. lintian finds no error in it; its desktop entry
# and metainfo are valid. Unpacked into a temporary folder it answers --version without a
# display, and a keyboard race started from another folder puts hof.ini, the result file
# and the race history into $XDG_DATA_HOME/rundomat of a temporary home, nothing into the
# program's tree. That race, with sounds and voice, runs under strace and the loader's log:
# all the program loads must come with the package's Depends (paketabhaengigkeiten.py).
# A portable copy of the build's program folder keeps its records beside itself.
# Usage: paket.sh PATH/TO/rundomat_VERSION_ARCH.deb PATH/TO/build/rundomat
source "$(dirname "$0")/gemeinsam.sh"
paket=$(realpath "$1")
programmordner=$(realpath "$2")
hier=$(realpath "$(dirname "$0")")
id=de.rundomat.Rundomat

# Warnings are listed, errors fail.
lintian --fail-on error "$paket" || fehler "lintian meldet Fehler"

baum=$arbeit/baum
dpkg-deb -x "$paket" "$baum"
desktop-file-validate "$baum/usr/share/applications/$id.desktop" || fehler "Desktop-Eintrag"
appstreamcli validate --no-net "$baum/usr/share/metainfo/$id.metainfo.xml" || fehler "Metainfo"
[ -f "$baum/usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fehler "kein Symbol"

version=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$baum/usr/bin/rundomat" --version)
[ "$version" = "rundomat $(dpkg-deb -f "$paket" Version)" ] || fehler "--version: $version"

export HOME=$arbeit/heim XDG_DATA_HOME=$arbeit/heim/daten
mkdir -p "$HOME"
touch "$arbeit/vorher"
cd /
einstellungen runden=5 PermanentesLogging=True MitSound=True fahrer1=Anna fahrer2=Jürgen port=?
anzeigeStarten de

# Fahrt: the program's path; the folder of its records; what it runs under, if anything.
fahrt() {
    "${@:3}" "$1" --signal-log "$arbeit/signale.txt" >"$arbeit/ausgabe.txt" 2>&1 &
    app=$!
    nurTastatur
    handrennen
    rundenPruefen "$(ergebnisdatei 100 1 "$2")" 5
    grep -q ';Anna' "$2/hof.ini" || fehler "hof.ini in $2: $(ls -la "$2")"
    for _ in $(seq 50); do
        [ -s "$2/rennen.sqlite" ] && break
        sleep 0.1
    done
    [ -s "$2/rennen.sqlite" ] || fehler "kein Rennverlauf in $2: $(ls -la "$2")"
    kill $(pgrep -P "$app") "$app" 2>/dev/null || true # under strace, the program is its child
    wait "$app" 2>/dev/null || true
}

tonserverStarten
fahrt "$baum/usr/bin/rundomat" "$XDG_DATA_HOME/rundomat" \
    strace -f -qq -e trace=open,openat -e signal=none -o "$arbeit/geoeffnet.txt" \
    -E LD_DEBUG=files -E LD_DEBUG_OUTPUT="$arbeit/ladelog"
neu=$(find "$baum" -newer "$arbeit/vorher")
[ -z "$neu" ] || fehler "im Programmbaum geschrieben: $neu"
"$hier/paketabhaengigkeiten.py" "$paket" "$arbeit/geoeffnet.txt" "$arbeit"/ladelog.* \
    || fehler "das Paket hängt nicht von allem ab, was das Programm lädt"

cp -r "$programmordner" "$arbeit/tragbar"
rm -f "$arbeit/tragbar"/{hof.ini*,Rennergebnis*.txt,rennen.sqlite*}
fahrt "$arbeit/tragbar/rundomat" "$arbeit/tragbar"
[ "$(ls "$XDG_DATA_HOME/rundomat"/Rennergebnis*.txt | wc -l)" = 1 ] \
    || fehler "die tragbare Kopie schrieb in den Datenordner"
echo "Paket: lintian ohne Fehler, Desktop-Eintrag und Metainfo gültig, Rekorde im Datenordner" \
    "des Benutzers, die tragbare Kopie schreibt neben sich, alles Geladene in Depends."
