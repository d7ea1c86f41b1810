#!/usr/bin/env bash
# The race director's keys in a keyboard race: after two laps Alt+1 gives Anna five seconds,
# Ctrl+Shift+F2 a lap to Jürgen and Alt+Backspace takes that back. Anna comes home first,
# less than the five seconds ahead: Jürgen wins, and the history's JSON and the result file
# carry Anna's penalty alone.
# Usage: rennleitung.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
einstellungen runden=5 PermanentesLogging=True fahrer1=Anna fahrer2=Jürgen port=? Strafzeit=5
anzeigeStarten de
programmStarten "$1"

nurTastatur
losfahren
handrunden 2
xdotool key alt+1 ctrl+shift+F2 alt+BackSpace
handrunden 4
hofEintragen

text=$(ergebnisdatei)
rundenPruefen "$text" 5
[ "$(tail -n 1 <<<"$text")" = 'Strafe Spur 1 (Anna): 5 s Zeitstrafe, Rennleitung' ] ||
    fehler "Ergebnisdatei: $text"
bisExportiert "$1" "$arbeit/rennen.json" jsonGilt "$arbeit/rennen.json" '
    len(j["rennen"]) == 1 and j["rennen"][0]["sieger"] == "Jürgen"
    and [(s["spur"], s["art"], s["wert"], s["grund"]) for s in j["rennen"][0]["strafen"]]
        == [(1, "Zeit", 5, "Rennleitung")]
    and 1 < j["rennen"][0]["strafen"][0]["rennzeit"] < 10'
echo "Rennleitung: Alt+1 kostet Anna den Sieg, Alt+Rücktaste nimmt Jürgens Runde zurück."
