#!/usr/bin/python3 -B
# A driver's phone on the live page of a race night: the address names the driver
# ("?fahrer=anna", whatever the case), and the page shows that driver's next Lauf. Opened
# again without the name, as a bookmark of the bare page is, it still follows them.
#   meinlauf.py URL ARBEITSORDNER NAME TEXT
import sys
import urllib.parse

from selenium.webdriver.support.ui import WebDriverWait

import seitenbrowser

seitenbrowser.abbrechenNach(120)
url, arbeit, name, erwartet = sys.argv[1:5]

MEIN_LAUF = """
const element = document.getElementById("meinlauf");
return element.getClientRects().length > 0 ? element.textContent : "";
"""

browser = seitenbrowser.starten(390, 844, arbeit)
try:
    for adresse in (url + "?fahrer=" + urllib.parse.quote(name), url):
        browser.get(adresse)
        try:
            WebDriverWait(browser, 60, poll_frequency=0.2).until(
                lambda b: b.execute_script(MEIN_LAUF) == erwartet)
        except Exception:
            sys.exit("%s: nie „%s“, zuletzt „%s“" % (adresse, erwartet,
                                                    browser.execute_script(MEIN_LAUF)))
    browser.save_screenshot(arbeit + "/meinlauf.png")
finally:
    browser.quit()
