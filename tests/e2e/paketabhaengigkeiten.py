#!/usr/bin/python3
# Whether a package depends on everything its program loaded: each shared library or plugin
# the dynamic loader started (the "calling init" lines of LD_DEBUG=files) and each data file
# the program read (strace's log of open and openat; a plugin merely opened to read its
# metadata is no data file) that an installed package holds must come from a package that
# the .deb's Depends bring in, directly or through their own Depends and Pre-Depends. Of
# alternatives only the first one installed counts, as apt chooses; essential packages are
# on every system. Prints each package that is missing with a file it gave, and exits 1 if
# there is one; with --liste first every package loaded from.
#   paketabhaengigkeiten.py [--liste] PAKET.deb STRACE-LOG LD_DEBUG-LOG...
import os
import re
import subprocess
import sys

liste = sys.argv[1] == "--liste"
deb, log, *ladelogs = sys.argv[2:] if liste else sys.argv[1:]

# Read because they are there, not because the program needs them: a desktop's icon and
# cursor themes, the system's translations of its libraries and its MIME database have
# fallbacks of their own; fontconfig reads the settings every font package lays out (/etc is
# not looked at at all: settings, not code or data).
BEILAEUFIG = ("/usr/share/fontconfig/", "/usr/share/icons/", "/usr/share/locale/",
              "/usr/share/mime/", "/usr/lib/locale/")


def elf(pfad):
    with open(pfad, "rb") as datei:
        return datei.read(4) == b"\x7fELF"


def geladen():
    dateien = set()
    muster = re.compile(r'open(?:at)?\((?:AT_FDCWD|\d+), "(/(?:usr|lib)[^"]*)", [^)]*\) = \d+')
    for zeile in open(log, encoding="utf-8", errors="replace"):
        if treffer := muster.search(zeile):
            if os.path.isfile(treffer.group(1)) and not elf(treffer.group(1)):
                dateien.add(treffer.group(1))
    for ladelog in ladelogs:
        for zeile in open(ladelog, encoding="utf-8", errors="replace"):
            if "calling init: " in zeile:
                dateien.add(zeile.split("calling init: ", 1)[1].strip())
    return sorted(d for d in dateien if not d.startswith(BEILAEUFIG))


def schreibweisen(pfad):
    # The same file under the names a merged /usr gives it.
    namen = [pfad, os.path.realpath(pfad)]
    for name in list(namen):
        if name.startswith("/usr/lib"):
            namen.append(name[4:])
        elif name.startswith("/lib"):
            namen.append("/usr" + name)
    return list(dict.fromkeys(namen))


def besitzer(dateien):
    # Every installed package's files, from dpkg's own lists: far quicker than a
    # dpkg-query -S for each file.
    inhaber = {}
    ordner = "/var/lib/dpkg/info"
    for liste in os.listdir(ordner):
        if liste.endswith(".list"):
            paket = liste[:-5].split(":")[0]
            for pfad in open(os.path.join(ordner, liste), encoding="utf-8", errors="replace"):
                inhaber.setdefault(pfad.rstrip("\n"), []).append(paket)
    pakete = {}
    for datei in dateien:
        for name in schreibweisen(datei):
            if name in inhaber:
                for paket in inhaber[name]:
                    pakete.setdefault(paket, datei)
                break
    return pakete


def installiert():
    felder = "${Package}\t${Status}\t${Essential}\t${Provides}\t${Depends}, ${Pre-Depends}\n"
    ausgabe = subprocess.run(["dpkg-query", "-W", "-f=" + felder], capture_output=True,
                             text=True, check=True).stdout
    pakete, bieten, wesentlich = {}, {}, set()
    for zeile in ausgabe.splitlines():
        name, status, essentiell, angebot, abhaengig = zeile.split("\t")
        if not status.endswith(" installed"):
            continue
        pakete[name] = abhaengig
        if essentiell == "yes":
            wesentlich.add(name)
        for virtuell in gruppen(angebot):
            bieten.setdefault(virtuell[0], []).append(name)
    return pakete, bieten, wesentlich


def gruppen(text):
    # "a (>= 1) | b:any, c" -> [["a", "b"], ["c"]]
    ergebnis = []
    for gruppe in text.split(","):
        namen = [re.sub(r"\(.*?\)|\[.*?\]|:\w+", "", n).strip() for n in gruppe.split("|")]
        if any(namen):
            ergebnis.append([n for n in namen if n])
    return ergebnis


def huelle(depends, pakete, bieten):
    gesehen, offen = set(), gruppen(depends)
    while offen:
        for name in offen.pop():
            wahl = [name] if name in pakete else bieten.get(name, [])
            if wahl:
                for paket in wahl:
                    if paket not in gesehen:
                        gesehen.add(paket)
                        offen.extend(gruppen(pakete[paket]))
                break
    return gesehen


pakete, bieten, wesentlich = installiert()
depends = subprocess.run(["dpkg-deb", "-f", deb, "Depends"], capture_output=True, text=True,
                         check=True).stdout
gebracht = huelle(depends, pakete, bieten) | wesentlich
pakete_geladen = besitzer(geladen())
if liste:
    print("Geladen aus: " + " ".join(sorted(pakete_geladen)))
fehlend = {p: d for p, d in pakete_geladen.items() if p not in gebracht}
for paket, datei in sorted(fehlend.items()):
    print(f"nicht in den Abhängigkeiten: {paket} (geladen: {datei})")
sys.exit(1 if fehlend else 0)
