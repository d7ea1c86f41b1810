#!/usr/bin/env bash
# A whole race driven like a racer does: the real program under Xvfb with a real keyboard
# layout, Enter to start, Shift+1 / Shift+2 as real key events until both lanes are home,
# the winner's name into the Hall of Fame. Then the files it wrote are checked, and the
# announcements it queued (--ansage-log): every lap, the best laps and the winner in order.
# Shift+1 prints "!" on both layouts, Shift+2 '"' on a German and "@" on a US keyboard.
# Usage: tastaturrennen.sh PATH/TO/rundomat [de|us]
source "$(dirname "$0")/gemeinsam.sh"
layout=${2:-de}
einstellungen runden=5 PermanentesLogging=True fahrer1=Anna fahrer2=Jürgen port=?
anzeigeStarten "$layout"
# Speech stays silent without an audio device; the log is written all the same.
unset PULSE_SERVER
programmStarten "$1" --ansage-log "$arbeit/ansagen.log"

nurTastatur
handrennen

text=$(ergebnisdatei)
[ "$(sed -n 1p <<<"$text")" = $'\tFahrer 1\tAnna\tFahrer 2\tJürgen\t' ] || fehler "Zeile 1: $text"
[ "$(sed -n 2p <<<"$text")" = $'Runde\tZeit 1\tGeschw. 1\tZeit 2\tGeschw. 2' ] || fehler "Zeile 2: $text"
rundenPruefen "$text" 5
[ "$(sed -n 9p <<<"$text")" = $'\t\t\t\t' ] || fehler "leere Zeile 9: $text"

hof=$(tr -d '\r' <"$arbeit/daten/hof.ini")
grep -qE '^[0-9]+,[0-9]+;Anna$' <<<"$(sed -n 1p <<<"$hof")" || fehler "hof.ini: $hof"
[ "$(sed -n 2,5p <<<"$hof")" = $'0;leer\n0;leer\n0;leer\n0;leer' ] || fehler "hof.ini: $hof"
"$(dirname "$0")/ansagen.py" "$arbeit/ansagen.log" "$text" 5 Anna Jürgen ||
    fehler "Ansageprotokoll: $(cat "$arbeit/ansagen.log")"
echo "Tastaturrennen ($layout): Ergebnisdatei, hof.ini und Ansagen stimmen."
