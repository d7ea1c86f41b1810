#!/usr/bin/env python3
"""Checks an --ansage-log against the race's result file: every lap's time in the order the
laps were driven (lane 1 ahead of lane 2 in every lap), "Bestzeit" where a lap beat the race's
best so far and sounds faster, laps to go, the winner, the gap and the Hall of Fame rank.
Dropped lap announcements may carry a second line "verworfen"; a race-end one may not.

Usage: ansagen.py LOG RESULTTEXT LAPS NAME1 NAME2"""
import sys
from decimal import ROUND_HALF_EVEN, Decimal
from itertools import zip_longest

EINER = ("null eins zwei drei vier fünf sechs sieben acht neun zehn elf zwölf dreizehn "
         "vierzehn fünfzehn sechzehn siebzehn achtzehn neunzehn").split()
ZEHNER = "_ _ zwanzig dreißig vierzig fünfzig sechzig siebzig achtzig neunzig".split()


def zahl(n):
    if n < 20:
        return EINER[n]
    einer = "" if n % 10 == 0 else ("ein" if n % 10 == 1 else EINER[n % 10]) + "und"
    return einer + ZEHNER[n // 10]


def sekunden(text):
    h = int(Decimal(text.replace(",", ".")).quantize(Decimal("0.01"), ROUND_HALF_EVEN) * 100)
    return f"{zahl(h // 100)} Komma {EINER[h // 10 % 10]} {EINER[h % 10]}"


def erwartet(ergebnis, runden, namen):
    zeilen = [z.split("\t") for z in ergebnis.splitlines()[2:]]
    texte, beste = [], None
    for n in range(1, runden + 1):
        for spur in (1, 2):
            zeit = zeilen[n - 1][2 * spur - 1]
            wert = Decimal(zeit.replace(",", "."))
            teile = [sekunden(zeit)]
            # A new best that sounds like the old one is not said again.
            if beste is not None and wert < beste and sekunden(zeit) != sekunden(str(beste)):
                teile[0:0] = [f"Bestzeit {namen[spur - 1]}"]
            beste = wert if beste is None or wert < beste else beste
            if runden - n == 1:
                teile.append("letzte Runde")
            elif runden - n in (3, 5, 10):
                teile.append(f"noch {zahl(runden - n)} Runden")
            texte.append(", ".join(teile))
            if n == runden and spur == 1:
                texte.append(f"{namen[0]} gewinnt")
    ziel = zeilen[runden]
    abstand = Decimal(ziel[3].replace(",", ".")) - Decimal(ziel[1].replace(",", "."))
    texte.append(f"Vorsprung {sekunden(str(abstand))} Sekunden")
    texte.append(f"{namen[0]}, Platz eins in der Hall of Fame")
    return texte


def main():
    log, ergebnis, runden, name1, name2 = sys.argv[1:]
    gesagt, verworfen, zeit = [], [], -1
    for zeile in open(log, encoding="utf-8").read().splitlines():
        teile = zeile.split("\t")
        if not teile[0].isdigit() or int(teile[0]) < zeit or len(teile) not in (2, 3):
            sys.exit(f"Zeile ohne Zeit oder rückwärts: {zeile!r}")
        zeit = int(teile[0])
        (verworfen if len(teile) == 3 and teile[2] == "verworfen" else gesagt).append(teile[1])
    soll = erwartet(ergebnis, int(runden), (name1, name2))
    if gesagt != soll:
        sys.exit("Ansagen weichen ab (gesagt, erwartet):\n" + "\n".join(
            f"{'  ' if a == b else '! '}{a!r:50} {b!r}" for a, b in zip_longest(gesagt, soll)))
    for text in verworfen:
        if any(wort in text for wort in ("gewinnt", "Vorsprung", "Hall of Fame")):
            sys.exit(f"eine Ansage des Rennendes wurde verworfen: {text!r}")


main()
