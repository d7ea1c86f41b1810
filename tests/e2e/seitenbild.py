#!/usr/bin/python3
# A screenshot of the live page in headless Chromium, for a person to look at.
#   seitenbild.py URL DATEI.png [BREITE HOEHE]
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

url, datei = sys.argv[1], sys.argv[2]
breite, hoehe = (sys.argv[3:5] if len(sys.argv) > 4 else ("1280", "720"))
optionen = webdriver.ChromeOptions()
optionen.binary_location = "/usr/bin/chromium"
for argument in ("--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--no-proxy-server", "--user-data-dir=" + tempfile.mkdtemp(),
                 "--window-size=%s,%s" % (breite, hoehe)):
    optionen.add_argument(argument)
browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=optionen)
try:
    browser.set_page_load_timeout(20)
    browser.get(url)
    browser.save_screenshot(datei)
finally:
    browser.quit()
