#!/usr/bin/python3
# Whether a package depends on all its program loaded: every library and plugin the loader
# started ("calling init" in the LD_DEBUG=files logs) and every data file read (strace's
# open/openat log; a plugin only opened for its metadata is no data file) that an installed
# package holds must come with the .deb's Depends, directly or through theirs. Of
# alternatives only the first installed one counts, as apt chooses, and virtual packages
# count for nothing: the check errs on the strict side. Prints the packages loaded from and
# each one missing, exit 1 if one is.
#   paketabhaengigkeiten.py PAKET.deb STRACE-LOG LD_DEBUG-LOG...
import glob, os, re, subprocess, sys

deb, strace, *ladelogs = sys.argv[1:]
# Read because they are there, each with a fallback: the pointer's theme, the system's
# locales and its libraries' translations.
BEILAEUFIG = ("/usr/share/icons/", "/usr/share/locale/", "/usr/lib/locale/")

geladen = set()
for zeile in open(strace, errors="replace"):
    if (t := re.search(r'open(?:at)?\((?:\w+, )?"(/(?:usr|lib)[^"]*)"', zeile)) and "= -1" not in \
            zeile and os.path.isfile(t[1]) and open(t[1], "rb").read(4) != b"\x7fELF":
        geladen.add(t[1])
for ladelog in ladelogs:
    geladen |= {z.split("calling init: ")[1].strip() for z in open(ladelog) if "calling init: " in z}

inhaber = {}  # from dpkg's own lists: far quicker than a dpkg-query -S for each file
for liste in glob.glob("/var/lib/dpkg/info/*.list"):
    for pfad in open(liste, errors="replace"):
        inhaber.setdefault(pfad.rstrip("\n"), os.path.basename(liste)[:-5].split(":")[0])
pakete = {}
for datei in sorted(d for d in geladen if not d.startswith(BEILAEUFIG)):
    echt = os.path.realpath(datei)  # a merged /usr gives a file several names
    for name in (datei, echt, echt.removeprefix("/usr"), "/usr" + datei):
        if name in inhaber:
            pakete.setdefault(inhaber[name], datei)
            break


def gruppen(text):  # "a (>= 1) | b:any, c" -> [["a", "b"], ["c"]]
    return [[re.sub(r"\(.*?\)|:\w+", "", n).strip() for n in g.split("|")]
            for g in text.split(",") if g.strip()]


abhaengig, gebracht = {}, set()
for zeile in subprocess.run(["dpkg-query", "-W", "-f=${Package}\t${Status}\t${Depends}, "
                             "${Pre-Depends}\n"], capture_output=True, text=True,
                            check=True).stdout.splitlines():
    name, status, depends = zeile.split("\t")
    if status.endswith(" installed"):
        abhaengig[name] = depends
offen = gruppen(subprocess.run(["dpkg-deb", "-f", deb, "Depends"], capture_output=True,
                               text=True, check=True).stdout)
while offen:
    if wahl := next((n for n in offen.pop() if n in abhaengig), None):
        if wahl not in gebracht:
            gebracht.add(wahl)
            offen += gruppen(abhaengig[wahl])

print("Geladen aus: " + " ".join(sorted(pakete)))
fehlend = sorted(p for p in pakete if p not in gebracht)
for paket in fehlend:
    print(f"nicht in den Abhängigkeiten: {paket} (geladen: {pakete[paket]})")
sys.exit(1 if fehlend else 0)
