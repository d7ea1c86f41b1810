#!/usr/bin/python3 -B
# A screenshot of the live page in headless Chromium, for a person to look at.
#   seitenbild.py URL DATEI.png [BREITE HOEHE]
import sys

import seitenbrowser

url, datei = sys.argv[1], sys.argv[2]
breite, hoehe = (map(int, sys.argv[3:5]) if len(sys.argv) > 4 else (1280, 720))
browser = seitenbrowser.starten(breite, hoehe)
try:
    browser.get(url)
    browser.save_screenshot(datei)
finally:
    browser.quit()
