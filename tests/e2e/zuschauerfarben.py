#!/usr/bin/python3 -B
# The live page of a sixteen-driver night in headless Chromium as a laptop shows it
# (zuschauerfarben.sh): every row of the standings in the window and filling it, and a name
# on a dark colour written in white. Screenshot farben-seite.png in the work folder. Prints
# "gut", or exits with what is wrong.
#   zuschauerfarben.py URL ARBEITSORDNER
import sys

from selenium.webdriver.support.ui import WebDriverWait

import seitenbrowser

seitenbrowser.abbrechenNach(120)
url, arbeit = sys.argv[1], sys.argv[2]

STAND = """
const zeilen = [...document.querySelectorAll("#abendtabelle tbody tr")];
const zelle = name => zeilen.map(tr => tr.cells[1]).find(td => td.textContent == name);
const farben = name => { const s = getComputedStyle(zelle(name));
                         return [s.backgroundColor, s.color]; };
if (zeilen.length != 16 || document.body.dataset.verbindung != "an") return null;
return {Marie: farben("Marie"), Niklas: farben("Niklas"),
        unten: zeilen[15].getBoundingClientRect().bottom / innerHeight,
        hoeher: document.documentElement.scrollHeight > innerHeight};
"""

browser = seitenbrowser.starten(1280, 720, arbeit)
try:
    browser.get(url)
    stand = WebDriverWait(browser, 60, poll_frequency=0.2).until(lambda b: b.execute_script(STAND))
    browser.save_screenshot(arbeit + "/farben-seite.png")
    falsch = []
    weiss = "rgb(255, 255, 255)"
    if stand["Marie"] != ["rgb(0, 128, 128)", weiss] or stand["Niklas"] != ["rgb(192, 128, 64)", weiss]:
        falsch.append("Namen auf dunklen Farben nicht weiß: %s %s" % (stand["Marie"], stand["Niklas"]))
    if stand["hoeher"] or stand["unten"] < 0.75:
        falsch.append("die Tabelle füllt das Fenster nicht: unten bei %.2f, höher: %s"
                      % (stand["unten"], stand["hoeher"]))
    print("; ".join(falsch) or "gut")
finally:
    browser.quit()
