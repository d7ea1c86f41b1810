#!/usr/bin/python3
# Reads what the running program's main window shows through AT-SPI, as a screen reader
# does: the rows of both lap tables that hold text, and the texts of the visible labels.
# Prints one line each, tab-separated: "Spur N" and the row's cells, or "Label" and text.
# Waits up to 30 s for the program to appear on the accessibility bus.
import sys
import time

import pyatspi


def programm():
    for _ in range(300):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "rundomat":
                return app
        time.sleep(0.1)
    sys.exit("fensterinhalt: rundomat ist nicht auf dem Accessibility-Bus")


def durchlaufen(objekt):
    yield objekt
    for i in range(objekt.childCount):
        kind = objekt.getChildAtIndex(i)
        if kind is not None:
            yield from durchlaufen(kind)


def main():
    tabellen = {}
    for objekt in durchlaufen(programm()):
        rolle = objekt.getRole()
        if rolle == pyatspi.ROLE_TABLE and objekt.name.startswith("Rundentabelle Spur "):
            tabellen[objekt.name[len("Rundentabelle ") :]] = objekt.queryTable()
        elif rolle == pyatspi.ROLE_LABEL and objekt.getState().contains(pyatspi.STATE_SHOWING):
            if objekt.name:
                print("Label\t" + objekt.name)
    for spur in sorted(tabellen):
        tabelle = tabellen[spur]
        for zeile in range(tabelle.nRows):
            zellen = [tabelle.getAccessibleAt(zeile, s).name for s in range(tabelle.nColumns)]
            if any(zellen):
                print("\t".join([spur] + zellen))


main()
