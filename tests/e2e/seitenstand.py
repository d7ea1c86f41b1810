#!/usr/bin/python3 -B
# Reads the live page's first answer, as a browser gets it before any script runs, until its
# elements show the texts given, element by element; exits with what they last showed after
# 60 s. A text "~MUSTER" is a Python regular expression the whole text must match.
#   seitenstand.py URL ID=TEXT [ID=TEXT ...]
import html.parser
import re
import sys
import time

import seitenbrowser


class Elemente(html.parser.HTMLParser):
    """The text of every element with an id, its children's text included."""

    LEER = {"br", "hr", "img", "input", "link", "meta"}

    def __init__(self):
        super().__init__()
        self.texte, self.offen = {}, []

    def handle_starttag(self, tag, attrs):
        if tag in self.LEER:
            return
        self.offen.append(dict(attrs).get("id"))
        if self.offen[-1]:
            self.texte[self.offen[-1]] = ""

    def handle_endtag(self, tag):
        if tag not in self.LEER and self.offen:
            self.offen.pop()

    def handle_data(self, data):
        for element in self.offen:
            if element:
                self.texte[element] += data


def passt(ist, soll):
    return re.fullmatch(soll[1:], ist) is not None if soll.startswith("~") else ist == soll


url, erwartet = sys.argv[1], dict(a.split("=", 1) for a in sys.argv[2:])
ende, zuletzt = time.monotonic() + 60, {}
while time.monotonic() < ende:
    try:
        leser = Elemente()
        leser.feed(seitenbrowser.ersteAntwort(url))
        zuletzt = leser.texte
    except OSError:
        pass
    if all(passt(zuletzt.get(i, "").strip(), t) for i, t in erwartet.items()):
        sys.exit(0)
    time.sleep(0.2)
sys.exit("Seite: nie %s, zuletzt %s" % (erwartet, {i: zuletzt.get(i) for i in erwartet}))
