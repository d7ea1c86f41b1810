#!/usr/bin/python3
# Reads what the running program's windows show through AT-SPI, as a screen reader does (the
# windows of both, where a test runs two programs): the rows of both lap tables that hold
# text, and the texts of the visible labels. Prints one line each, tab-separated: "Spur N"
# and the row's cells, or "Label" and text.
# With --bis MUSTER (and --ohne MUSTER) it reads again until a line matches the first pattern
# and none the second (Python regular expressions): a window that fills in its content later
# is read once it has it. Waits up to 60 s in all, for the program on the accessibility bus
# too, and fails with what it last read. With --lage a label's line ends in where it is on
# the screen, "x,y,breite,hoehe".
#   fensterinhalt.py [--bis MUSTER] [--ohne MUSTER] [--lage]
import argparse
import re
import sys
import time

import pyatspi


def programme():
    return [
        app for app in pyatspi.Registry.getDesktop(0) if app is not None and app.name == "rundomat"
    ]


def durchlaufen(objekt):
    yield objekt
    for i in range(objekt.childCount):
        kind = objekt.getChildAtIndex(i)
        if kind is not None:
            yield from durchlaufen(kind)


def lesen(app, lage):
    zeilen, tabellen = [], {}
    for objekt in durchlaufen(app):
        rolle = objekt.getRole()
        if rolle == pyatspi.ROLE_TABLE and objekt.name.startswith("Rundentabelle Spur "):
            tabellen[objekt.name[len("Rundentabelle ") :]] = objekt.queryTable()
        elif rolle == pyatspi.ROLE_LABEL and objekt.getState().contains(pyatspi.STATE_SHOWING):
            if objekt.name:
                zeilen.append("Label\t" + objekt.name)
                if lage:
                    r = objekt.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                    zeilen[-1] += "\t%d,%d,%d,%d" % (r.x, r.y, r.width, r.height)
    for spur in sorted(tabellen):
        tabelle = tabellen[spur]
        for zeile in range(tabelle.nRows):
            zellen = [tabelle.getAccessibleAt(zeile, s).name for s in range(tabelle.nColumns)]
            if any(zellen):
                zeilen.append("\t".join([spur] + zellen))
    return zeilen


def main():
    argumente = argparse.ArgumentParser()
    argumente.add_argument("--bis")
    argumente.add_argument("--ohne")
    argumente.add_argument("--lage", action="store_true")
    a = argumente.parse_args()
    ende = time.monotonic() + 60
    zeilen = None
    while time.monotonic() < ende:
        apps = programme()
        if apps:
            try:
                zeilen = [z for app in apps for z in lesen(app, a.lage)]
            except Exception:  # a window closing while it is read: read again
                zeilen = None
            if zeilen is not None and (
                (not a.bis or any(re.search(a.bis, z) for z in zeilen))
                and not (a.ohne and any(re.search(a.ohne, z) for z in zeilen))
            ):
                print("\n".join(zeilen))
                return
        time.sleep(0.2)
    if zeilen is None:
        sys.exit("fensterinhalt: rundomat ist nicht auf dem Accessibility-Bus")
    sys.exit("fensterinhalt: nie %s, zuletzt:\n%s" % (a.bis or "", "\n".join(zeilen)))


main()
