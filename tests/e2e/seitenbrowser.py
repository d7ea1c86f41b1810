# What the checks of the live page share: headless Chromium (driven through chromium-driver),
# the page's first answer as a browser gets it before any script, and a time limit.
import signal
import sys
import tempfile
import urllib.request


def abbrechenNach(sekunden):
    # Leaves through the caller's finally, so the browser does not outlive the test.
    for nummer in (signal.SIGALRM, signal.SIGTERM):
        signal.signal(nummer, lambda n, _: sys.exit("abgebrochen: Signal %d" % n))
    signal.alarm(sekunden)


def ersteAntwort(url):
    # Straight to the address, whatever proxy the environment names.
    direkt = urllib.request.build_opener(urllib.request.ProxyHandler({}))
    with direkt.open(url, timeout=10) as antwort:
        return antwort.read().decode("utf-8")


def starten(breite, hoehe, ordner=None):
    """A fresh browser window of that size, its profile in a new folder below `ordner`."""
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service

    optionen = webdriver.ChromeOptions()
    optionen.binary_location = "/usr/bin/chromium"
    for argument in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                     "--disable-background-networking", "--disable-component-update", "--disable-sync",
                     "--no-proxy-server", "--user-data-dir=" + tempfile.mkdtemp(dir=ordner),
                     "--window-size=%d,%d" % (breite, hoehe)):
        optionen.add_argument(argument)
    browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=optionen)
    try:
        browser.set_page_load_timeout(20)
    except BaseException:
        browser.quit()
        raise
    return browser
