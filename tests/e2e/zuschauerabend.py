#!/usr/bin/python3 -B
# The live page of a race night in headless Chromium (zuschauerabend.sh); screenshots
# abend-*.png in the work folder. Prints "vorher" once the first Begegnung may start, then
# "gut", or exits with what is wrong. The pairs' names are separated by a tab; a name too
# long for the line of who drives next or of the night's place is cut, the line is not.
#   zuschauerabend.py URL ARBEITSORDNER "ERSTER1<TAB>ERSTER2" "ZWEITER1<TAB>ZWEITER2"
import html
import re
import sys

from selenium.webdriver.support.ui import WebDriverWait

import seitenbrowser

seitenbrowser.abbrechenNach(170)
url, arbeit = sys.argv[1], sys.argv[2]
erste, zweite = ("Als Nächstes: %s (Spur 1) – %s (Spur 2)" % tuple(p.split("\t"))
                 for p in sys.argv[3:5])

# The first answer, before any script, already holds the table.
seite = seitenbrowser.ersteAntwort(url)
if erste not in html.unescape(re.sub("<[^>]*>", "", seite)) or seite.count("<tr") != 4:
    sys.exit("die erste Antwort hat die Tabelle nicht: " + seite[:2000])

browser = seitenbrowser.starten(1280, 720, arbeit)

ZUSTAND = """
const sichtbar = id => document.getElementById(id).getClientRects().length > 0;
const zeilen = [...document.querySelectorAll("#abendtabelle tbody tr")].map(
    tr => [...tr.cells].map(td => td.textContent));
return {naechste: sichtbar("naechste") ? document.getElementById("naechste").textContent : "",
        stand: sichtbar("abendstand") ? document.getElementById("abendstand").textContent : "",
        tabelle: sichtbar("abendtabelle") ? zeilen : [], spuren: sichtbar("spur1")};
"""


# A line naming drivers as it is laid out: whether the page is wider than the window, a name
# reaches past the line's end, or a name is cut with its whole in the title.
ZEILE = """
const zeile = document.getElementById(arguments[0]), rand = zeile.getBoundingClientRect();
const namen = [...zeile.querySelectorAll(".name")];
return {breiter: document.documentElement.scrollWidth > innerWidth,
        draussen: namen.some(n => n.getBoundingClientRect().right > rand.right + 1),
        gekuerzt: namen.some(n => n.scrollWidth > n.clientWidth && n.title == n.textContent)};
"""


def ganzeZeile(was, element):
    zeile = browser.execute_script(ZEILE, element)
    if zeile != {"breiter": False, "draussen": False, "gekuerzt": True}:
        sys.exit("%s: der lange Name ist nicht in der Zeile gekürzt: %s" % (was, zeile))


def warten(was, bedingung):
    try:
        WebDriverWait(browser, 150, poll_frequency=0.2).until(
            lambda b: bedingung(b.execute_script(ZUSTAND)))
    except Exception:
        sys.exit("%s: nie so, zuletzt %s" % (was, browser.execute_script(ZUSTAND)))


try:
    browser.get(url)
    warten("vor der ersten Begegnung", lambda z: z["naechste"] == erste and len(z["tabelle"]) == 3
           and not z["spuren"] and not z["stand"])
    browser.save_screenshot(arbeit + "/abend-vorher.png")
    print("vorher", flush=True)  # the night may begin
    warten("im Lauf", lambda z: z["stand"].startswith("Rennabend: Begegnung 1 von 3 – ")
           and z["spuren"] and not z["tabelle"] and not z["naechste"])
    browser.save_screenshot(arbeit + "/abend-lauf.png")
    ganzeZeile("im Lauf", "abendstand")
    warten("nach der ersten Begegnung", lambda z: z["naechste"] == zweite
           and len(z["tabelle"]) == 3 and z["tabelle"][0][2] in ("3", "1"))
    browser.save_screenshot(arbeit + "/abend-nachher.png")
    browser.set_window_size(390, 844)
    browser.save_screenshot(arbeit + "/abend-handy.png")
    ganzeZeile("auf dem Handy", "naechste")
    print("gut", flush=True)
finally:
    browser.quit()
