#!/usr/bin/env bash
# A false start under the rule Zeitstrafe, driven like a racer does: Enter, and Anna's
# Shift+1 during the countdown. The countdown runs on; her first crossing after green starts
# her race. She comes home first, less than the 5 s penalty ahead: Jürgen wins, and the
# history's JSON and the result file carry the penalty.
# Usage: strafrennen.sh PATH/TO/rundomat
source "$(dirname "$0")/gemeinsam.sh"
einstellungen runden=5 PermanentesLogging=True fahrer1=Anna fahrer2=Jürgen port=? \
    Fehlstartregel=Zeitstrafe Fehlstartstrafe=5
anzeigeStarten de
programmStarten "$1"

nurTastatur
losfahren shift+1
handrunden 6
hofEintragen

text=$(ergebnisdatei)
rundenPruefen "$text" 5
[ "$(tail -n 1 <<<"$text")" = 'Strafe Spur 1 (Anna): 5 s Zeitstrafe, Fehlstart' ] ||
    fehler "Ergebnisdatei: $text"
bisExportiert "$1" "$arbeit/rennen.json" jsonGilt "$arbeit/rennen.json" '
    len(j["rennen"]) == 1 and j["rennen"][0]["sieger"] == "Jürgen"
    and j["rennen"][0]["strafen"] == [{"lauf": 1, "spur": 1, "art": "Zeit", "wert": 5,
                                       "rennzeit": 0, "grund": "Fehlstart"}]
    and j["rennen"][0]["streckenrufe"] == []
    and 0 < j["rennen"][0]["laeufe"][0]["spuren"][1]["gesamtzeit"]
          - j["rennen"][0]["laeufe"][0]["spuren"][0]["gesamtzeit"] < 5'
echo "Strafrennen: Jürgen gewinnt nach Annas Fehlstartstrafe; JSON und Ergebnisdatei nennen sie."
