#include "Rennabendtabelle.h"

#include "Fahrerliste.h"

#include <algorithm>
#include <map>

namespace {

Tabellenzeile* zeileVon(std::vector<Tabellenzeile>& tabelle, const QString& name) {
    for (Tabellenzeile& zeile : tabelle)
        if (gleicherFahrer(zeile.fahrer, name))
            return &zeile;
    return nullptr;
}

void fahrtZaehlen(Tabellenzeile& zeile, const Spurfahrt& fahrt) {
    zeile.gesamtzeit += fahrt.gesamtzeit.value_or(0);
    zeile.distanz += fahrt.distanz.value_or(0);
    if (const std::optional<int> beste = fahrt.besteRunde()) {
        const double zeit = fahrt.runden[static_cast<std::size_t>(*beste - 1)].zeit;
        if (!zeile.besteRunde || zeit < *zeile.besteRunde)
            zeile.besteRunde = zeit;
    }
}

void ausgangZaehlen(const Punktwertung& punkte, Tabellenzeile& zeile,
                    const std::optional<QString>& sieger) {
    ++zeile.gewertet;
    if (!sieger) {
        ++zeile.unentschieden;
        zeile.punkte += punkte.unentschieden;
    } else if (gleicherFahrer(*sieger, zeile.fahrer)) {
        ++zeile.siege;
        zeile.punkte += punkte.sieg;
    } else {
        ++zeile.niederlagen;
        zeile.punkte += punkte.niederlage;
    }
}

// Without a best lap a driver ranks behind every driver with one.
bool schnellereRunde(const std::optional<double>& a, const std::optional<double>& b) {
    return a && (!b || *a < *b);
}

bool vorBegegnungen(const Tabellenzeile& a, const Tabellenzeile& b) {
    if (a.punkte != b.punkte)
        return a.punkte > b.punkte;
    if (a.siege != b.siege)
        return a.siege > b.siege;
    return schnellereRunde(a.besteRunde, b.besteRunde);
}

// In races by laps every distance is 0 and the time decides; by time the distance does.
bool vorRotation(const Tabellenzeile& a, const Tabellenzeile& b) {
    if (a.gewertet != b.gewertet)
        return a.gewertet > b.gewertet;
    if (a.distanz != b.distanz)
        return a.distanz > b.distanz;
    if (a.gesamtzeit != b.gesamtzeit)
        return a.gesamtzeit < b.gesamtzeit;
    if (a.siege != b.siege)
        return a.siege > b.siege;
    return schnellereRunde(a.besteRunde, b.besteRunde);
}

void finaleEinordnen(std::vector<Tabellenzeile>& tabelle, const QString& sieger,
                     const Spuren<Spurfahrt>& lauf) {
    const QString& verlierer =
        gleicherFahrer(lauf[1].fahrer, sieger) ? lauf[2].fahrer : lauf[1].fahrer;
    const auto vorn = [&](const QString& name) {
        return std::stable_partition(tabelle.begin(), tabelle.end(), [&](const Tabellenzeile& z) {
            return gleicherFahrer(z.fahrer, name);
        });
    };
    vorn(verlierer);
    vorn(sieger);
}

} // namespace

std::vector<Tabellenzeile> rennabendtabelle(const Rennabendregeln& regeln,
                                            const QStringList& fahrer,
                                            const QStringList& ausgeschieden,
                                            const std::vector<Abendrennen>& rennen) {
    std::vector<Tabellenzeile> tabelle;
    for (const QString& name : fahrer + ausgeschieden) {
        tabelle.emplace_back();
        tabelle.back().fahrer = name;
        tabelle.back().ausgeschieden = ausgeschieden.contains(name);
    }

    std::map<int, const Rennaufzeichnung*> geltend;
    const Rennaufzeichnung* finale = nullptr;
    for (const Abendrennen& r : rennen)
        if (!r.rennen.abgebrochen && !r.rennen.laeufe.empty())
            (r.finale ? finale : geltend[r.nummer]) = &r.rennen;

    const Punktwertung punkte =
        regeln.format == Rennabendformat::JederGegenJeden ? regeln.punkte : Punktwertung{0, 0, 0};
    for (const auto& [nummer, r] : geltend) {
        for (const Spuren<Spurfahrt>& lauf : r->laeufe)
            for (int spur = 1; spur <= 2; ++spur)
                if (Tabellenzeile* zeile = zeileVon(tabelle, lauf[spur].fahrer))
                    fahrtZaehlen(*zeile, lauf[spur]);
        for (int spur = 1; spur <= 2; ++spur)
            if (Tabellenzeile* zeile = zeileVon(tabelle, r->laeufe[0][spur].fahrer))
                ausgangZaehlen(punkte, *zeile, r->sieger);
    }
    std::stable_sort(tabelle.begin(), tabelle.end(),
                     regeln.format == Rennabendformat::JederGegenJeden ? vorBegegnungen
                                                                       : vorRotation);
    if (finale && finale->sieger)
        finaleEinordnen(tabelle, *finale->sieger, finale->laeufe[0]);
    return tabelle;
}
