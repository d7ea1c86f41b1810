#include "Hauptlaufwertung.h"

#include "Fahrerliste.h"

#include <algorithm>

namespace {

Rennabendregeln regelnImHauptlauf(Rennabendregeln regeln) {
    regeln.format = Rennabendformat::Spurrotation;
    regeln.finale = false;
    if (regeln.wertung == Abendwertung::Siege)
        regeln.wertung = Abendwertung::Platzpunkte;
    return regeln;
}

const std::vector<Abendrennen>& rennenVon(const Hauptlaufrennen& rennen, std::size_t index) {
    static const std::vector<Abendrennen> keine;
    return index < rennen.size() ? rennen[index] : keine;
}

bool gewertet(const std::vector<Abendrennen>& rennen) {
    return std::any_of(rennen.begin(), rennen.end(), [](const Abendrennen& r) {
        return !r.rennen.abgebrochen && !r.rennen.laeufe.empty();
    });
}

bool enthalten(const QStringList& namen, const QString& name) {
    return std::any_of(namen.begin(), namen.end(),
                       [&](const QString& n) { return gleicherFahrer(n, name); });
}

} // namespace

QStringList hauptlaufreihenfolge(const Rennabendregeln& regeln, const QStringList& fahrer,
                                 const std::vector<Abendrennen>& rennen) {
    QStringList folge;
    for (const Tabellenzeile& zeile :
         rennabendtabelle(regelnImHauptlauf(regeln), fahrer, {}, rennen))
        folge << zeile.fahrer;
    return folge;
}

std::vector<QStringList> hauptlauffahrer(const Rennabendregeln& regeln,
                                         const Hauptlaufeinteilung& einteilung,
                                         const Hauptlaufrennen& rennen) {
    std::vector<QStringList> fahrer(einteilung.laeufe.size());
    // From the lowest up: a seat's driver is the winner of the main below with its own.
    for (std::size_t i = einteilung.laeufe.size(); i-- > 0;) {
        fahrer[i] = einteilung.laeufe[i].fahrer;
        const std::size_t unten = i + 1;
        if (einteilung.laeufe[i].aufsteigerplatz && unten < fahrer.size() &&
            gewertet(rennenVon(rennen, unten)))
            fahrer[i]
                << hauptlaufreihenfolge(regeln, fahrer[unten], rennenVon(rennen, unten)).front();
    }
    return fahrer;
}

QStringList abendplaetze(const Rennabendregeln& regeln, const Hauptlaufeinteilung& einteilung,
                         const Hauptlaufrennen& rennen, const QStringList& fahrer) {
    const std::vector<QStringList> besetzung = hauptlauffahrer(regeln, einteilung, rennen);
    QStringList plaetze;
    for (std::size_t i = 0; i < besetzung.size(); ++i)
        for (const QString& name : hauptlaufreihenfolge(regeln, besetzung[i], rennenVon(rennen, i)))
            if (!enthalten(plaetze, name))
                plaetze << name;
    for (const QString& name : fahrer)
        if (!enthalten(plaetze, name))
            plaetze << name;
    return plaetze;
}

Abendhauptlaeufe abendhauptlaeufe(const Rennabend& abend) {
    std::vector<Abendrennen> qualifikation;
    std::vector<std::pair<int, Abendrennen>> hauptlaufrennen;
    for (const Abendrennen& r : abend.rennen) {
        if (r.nummer < 1 || r.nummer > static_cast<int>(abend.plan.size()))
            continue;
        const int hauptlauf = abend.plan[static_cast<std::size_t>(r.nummer - 1)].hauptlauf;
        if (hauptlauf == 0)
            qualifikation.push_back(r);
        else
            hauptlaufrennen.emplace_back(hauptlauf, r);
    }
    Abendhauptlaeufe h;
    h.aufstellung =
        startaufstellung(abend.regeln.qualifikation.value_or(Qualifikationsart::BesteRunde),
                         fahrernamen(abend), qualifikation);
    h.einteilung = hauptlaeufe(h.aufstellung.fahrer(), abend.spurenzahl(), abend.regeln.aufsteiger);
    h.rennen.resize(h.einteilung.laeufe.size());
    for (const auto& [hauptlauf, r] : hauptlaufrennen)
        if (hauptlauf <= static_cast<int>(h.rennen.size()))
            h.rennen[static_cast<std::size_t>(hauptlauf - 1)].push_back(r);
    return h;
}

std::vector<Tabellenzeile> abendtabelle(const Rennabend& abend) {
    std::vector<Tabellenzeile> tabelle =
        rennabendtabelle(abend.regeln, fahrernamen(abend), abend.ausgeschieden, abend.rennen);
    if (!abend.regeln.qualifikation)
        return tabelle;
    const Abendhauptlaeufe h = abendhauptlaeufe(abend);
    const QStringList plaetze =
        abendplaetze(abend.regeln, h.einteilung, h.rennen, fahrernamen(abend));
    const auto platz = [&](const Tabellenzeile& z) {
        const qsizetype i = plaetze.indexOf(z.fahrer);
        return i < 0 ? plaetze.size() : i;
    };
    std::stable_sort(
        tabelle.begin(), tabelle.end(),
        [&](const Tabellenzeile& a, const Tabellenzeile& b) { return platz(a) < platz(b); });
    return tabelle;
}
