#!/usr/bin/python3
# The live page of four and eight lanes in headless Chromium (through chromium-driver, on
# 127.0.0.1 only), as a phone held upright shows it and as full HD does: a card for every
# lane in lane order, none over another, nothing wider than the window; each driver's name
# of thirty characters on one line, whole in its title and, on full HD, whole on the card;
# no figure cut; on full HD every lane on the screen at once. With ZUSCHAUER_BILDER set,
# screenshots seite-LANES.png (full HD) and seite-LANES-390.png go there.
#   vielespurenseite.py PATH/TO/rundomat-seitenprobe
import os
import signal
import subprocess
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait


def abbrechen(nummer, _):
    # Leaves through the finally blocks, so neither browser nor server outlives the test.
    sys.exit("abgebrochen: Signal %d" % nummer)


signal.signal(signal.SIGALRM, abbrechen)
signal.signal(signal.SIGTERM, abbrechen)
signal.alarm(150)
probe = sys.argv[1]
bilder = os.environ.get("ZUSCHAUER_BILDER")

# What is wrong with the page as it is laid out now; arguments: the lanes, full HD or not.
PRUEFEN = """
const [spuren, breit] = arguments;
const box = e => e.getBoundingClientRect();
const ueber = (a, b) => a.left < b.right - 0.5 && b.left < a.right - 0.5
                        && a.top < b.bottom - 0.5 && b.top < a.bottom - 0.5;
const falsch = [];
if (document.documentElement.scrollWidth > innerWidth) falsch.push("breiter als das Fenster");
if (breit && document.documentElement.scrollHeight > innerHeight)
    falsch.push("höher als das Fenster");
if (document.querySelector("main").dataset.spuren !== String(spuren))
    falsch.push("die Seite nennt nicht " + spuren + " Spuren");
let vorige = null;
for (let k = 1; k <= spuren; ++k) {
    const karte = document.getElementById("spur" + k);
    if (!karte) { falsch.push("keine Karte für Spur " + k); continue; }
    const b = box(karte);
    if (vorige && (b.top < vorige.bottom - 0.5)) falsch.push("Spur " + k + " nicht unter Spur " + (k - 1));
    vorige = b;
    if (b.left < -0.5 || b.right > innerWidth + 0.5) falsch.push("Spur " + k + " ragt hinaus");
    const name = document.getElementById("s" + k + "-name");
    if (box(name).height > 2 * parseFloat(getComputedStyle(name).fontSize))
        falsch.push("Name " + k + " nicht auf einer Zeile");
    if (name.textContent.length !== 30 || name.title !== name.textContent)
        falsch.push("Name " + k + " nicht ganz im Titel");
    if (breit && name.scrollWidth > name.clientWidth) falsch.push("Name " + k + " gekürzt");
    const kopf = box(karte.querySelector(".kopf")), werte = box(karte.querySelector("dl"));
    if (ueber(kopf, werte)) falsch.push("Spur " + k + ": Name über den Zahlen");
    for (const feld of karte.querySelectorAll("dt, dd, .position, .vermerk")) {
        const f = box(feld);
        if (feld.scrollWidth > feld.clientWidth + 1 || f.left < b.left - 0.5 || f.right > b.right + 0.5)
            falsch.push("Spur " + k + ": '" + feld.textContent + "' abgeschnitten");
        if (feld.tagName === "DD" && parseFloat(getComputedStyle(feld).fontSize) < 12)
            falsch.push("Spur " + k + ": '" + feld.textContent + "' zu klein");
    }
    if (!/^P[1-8]$/.test(document.getElementById("s" + k + "-position").textContent))
        falsch.push("Spur " + k + " ohne Position");
}
return falsch;
"""


def pruefen(spuren):
    server = subprocess.Popen([probe, str(spuren)], stdout=subprocess.PIPE, text=True)
    browser = None
    try:
        zeile = server.stdout.readline().split()
        if len(zeile) != 2 or zeile[0] != "bereit":
            return ["der Server kam nicht hoch: %s" % zeile]
        optionen = webdriver.ChromeOptions()
        optionen.binary_location = "/usr/bin/chromium"
        arbeit = tempfile.mkdtemp()
        for argument in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                         "--no-first-run", "--disable-background-networking",
                         "--disable-component-update", "--disable-sync", "--no-proxy-server",
                         "--user-data-dir=" + arbeit, "--window-size=390,844"):
            optionen.add_argument(argument)
        browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=optionen)
        browser.set_page_load_timeout(20)
        browser.get("http://127.0.0.1:%s/" % zeile[1])
        WebDriverWait(browser, 20).until(
            lambda b: b.execute_script("return document.body.dataset.verbindung") == "an")
        falsch = []
        for breite, hoehe in ((390, 844), (1920, 1080)):
            browser.set_window_size(breite, hoehe)
            # The window's outer size holds the browser's frame: make the page that size.
            innen = browser.execute_script("return [innerWidth, innerHeight]")
            browser.set_window_size(2 * breite - innen[0], 2 * hoehe - innen[1])
            falsch += ["%d Spuren, %d px: %s" % (spuren, breite, f)
                       for f in browser.execute_script(PRUEFEN, spuren, breite > 800)]
            if bilder:
                name = "seite-%d.png" % spuren if breite > 800 else "seite-%d-%d.png" % (spuren, breite)
                browser.save_screenshot(os.path.join(bilder, name))
        return falsch
    finally:
        if browser:
            browser.quit()
        server.kill()
        server.wait()


falsch = pruefen(4) + pruefen(8)
if falsch:
    sys.exit("\n".join(falsch))
print("gut")
