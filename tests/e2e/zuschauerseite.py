#!/usr/bin/python3 -B
# The live page in a real browser, as a phone held upright shows it, then as a laptop and
# a television do: headless Chromium (driven through chromium-driver) on 127.0.0.1 only.
# Talks with the test script line by line: prints "geladen" once the page is open, then
# waits for a line on stdin before each check; ends by itself after 120 s at the latest.
#   zuschauerseite.py URL ARBEITSORDNER
#   "runde"     -> prints "runde NAME1|NAME2|LETZTE1|GEFAHREN1" after lane 1's first lap;
#                  a name of more than 40 characters as its first 7 and its length
#   "breiten"   -> prints "breiten gut", or what is wrong, after looking at the page at
#                  390, 1280 and 1920 pixels wide (screenshots seite-BREITE.png)
#   "ende TEXT" -> prints "ende TEXT" once the result line reads TEXT
import re
import sys

from selenium.webdriver.support.ui import WebDriverWait

import seitenbrowser

seitenbrowser.abbrechenNach(120)
url, arbeit = sys.argv[1], sys.argv[2]


def melden(text):
    print(text, flush=True)


def text(browser, element):
    return browser.execute_script("return document.getElementById(arguments[0]).textContent", element)


def kurz(name):
    return name if len(name) <= 40 else name[:7] + str(len(name))


# What is wrong with the page as it is laid out now; arguments[0]: whether the lanes are to
# stand side by side. Returns the root type size and the German complaints.
PRUEFEN = """
const box = e => (typeof e == "string" ? document.querySelector(e) : e).getBoundingClientRect();
const name = document.getElementById("s2-name"), s1 = box("#spur1"), s2 = box("#spur2");
const falsch = [];
if (document.documentElement.scrollWidth > innerWidth) falsch.push("breiter als das Fenster");
if (box(name).height > 2 * parseFloat(getComputedStyle(name).fontSize)
    || name.scrollWidth <= name.clientWidth || name.title != name.textContent)
    falsch.push("der lange Name steht nicht gekürzt auf einer Zeile, ganz im Titel");
if (!/^\\d+:\\d\\d,\\d$/.test(document.getElementById("rennuhr").textContent))
    falsch.push("keine Rennuhr");
if (arguments[0] && (Math.abs(s1.top - s2.top) > 1 || box("main").bottom < 0.6 * innerHeight))
    falsch.push("die Spuren stehen nicht nebeneinander über die Höhe");
if (!arguments[0] && !(box(".mitte").bottom <= s1.top && s1.bottom <= s2.top))
    falsch.push("nicht Ampel, Spur 1, Spur 2 untereinander");
return [parseFloat(getComputedStyle(document.documentElement).fontSize), falsch];
"""


# The first answer alone, before any script: it already holds the drivers.
erste = seitenbrowser.ersteAntwort(url)
if "Anna" not in erste or "Jürgen" not in erste:
    sys.exit("die erste Antwort hat die Fahrer nicht: " + erste[:300])

browser = seitenbrowser.starten(390, 844, arbeit)
try:
    browser.get(url)
    # Connected: the script marks the page once its WebSocket is open.
    WebDriverWait(browser, 20).until(
        lambda b: b.execute_script("return document.body.dataset.verbindung") == "an")
    melden("geladen")
    for zeile in sys.stdin:
        befehl = zeile.split(maxsplit=1)
        if befehl[0] == "runde":
            WebDriverWait(browser, 20).until(
                lambda b: re.fullmatch(r"\d+,\d{3} s", text(b, "s1-letzte")))
            browser.save_screenshot(arbeit + "/seite.png")
            melden("runde " + "|".join(kurz(text(browser, e)) for e in
                                       ("s1-name", "s2-name", "s1-letzte", "s1-gefahren")))
        elif befehl[0] == "breiten":
            falsch, schriften = [], []
            for breite, hoehe in ((390, 844), (1280, 720), (1920, 1080)):
                browser.set_window_size(breite, hoehe)
                # The window's outer size holds the browser's frame: make the page that size.
                innen = browser.execute_script("return [innerWidth, innerHeight]")
                browser.set_window_size(2 * breite - innen[0], 2 * hoehe - innen[1])
                schrift, fehler = browser.execute_script(PRUEFEN, breite > 800)
                schriften.append(schrift)
                falsch += ["%d px: %s" % (breite, f) for f in fehler]
                browser.save_screenshot("%s/seite-%d.png" % (arbeit, breite))
            if not schriften[0] < schriften[1] < schriften[2]:
                falsch.append("die Schrift wächst nicht mit: %s" % schriften)
            melden("breiten " + ("; ".join(falsch) or "gut"))
        elif befehl[0] == "ende":
            erwartet = befehl[1].strip()
            WebDriverWait(browser, 20).until(lambda b: text(b, "ergebnis") == erwartet)
            melden("ende " + text(browser, "ergebnis"))
            break
finally:
    browser.quit()
