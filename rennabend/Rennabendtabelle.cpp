#include "Rennabendtabelle.h"

#include "Fahrerliste.h"
#include "Laufreihenfolge.h"

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
    zeile.runden += static_cast<int>(fahrt.runden.size());
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

// The points of a night that scores its Läufe, won or by place; ties go by the best lap.
bool vorPunkten(const Tabellenzeile& a, const Tabellenzeile& b) {
    if (a.punkte != b.punkte)
        return a.punkte > b.punkte;
    return schnellereRunde(a.besteRunde, b.besteRunde);
}

// By time the distance decides; by laps every distance is 0, and the laps and then the lower
// total time do.
bool vorGesamtrunden(const Tabellenzeile& a, const Tabellenzeile& b) {
    if (a.distanz != b.distanz)
        return a.distanz > b.distanz;
    if (a.runden != b.runden)
        return a.runden > b.runden;
    if (a.gesamtzeit != b.gesamtzeit)
        return a.gesamtzeit < b.gesamtzeit;
    return schnellereRunde(a.besteRunde, b.besteRunde);
}

using Rangfolge = bool (*)(const Tabellenzeile&, const Tabellenzeile&);
Rangfolge rangfolge(const Rennabendregeln& regeln) {
    if (regeln.wertung == Abendwertung::Gesamtrunden)
        return vorGesamtrunden;
    if (mitPunkten(regeln) && regeln.format != Rennabendformat::JederGegenJeden)
        return vorPunkten;
    return regeln.format == Rennabendformat::JederGegenJeden ? vorBegegnungen : vorRotation;
}

void platzpunkteZaehlen(std::vector<Tabellenzeile>& tabelle, const std::vector<int>& punkte,
                        const Rennaufzeichnung& rennen, const Spuren<Spurfahrt>& lauf) {
    const std::vector<int> folge = laufreihenfolge(
        rennen, lauf, [&](const QString& name) { return zeileVon(tabelle, name) != nullptr; });
    for (std::size_t platz = 0; platz < folge.size() && platz < punkte.size(); ++platz)
        zeileVon(tabelle, lauf[folge[platz]].fahrer)->punkte += punkte[platz];
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

    // A rotation of pairs ranks without points; a night scored by its distances or places
    // earns none for a win.
    const bool siegpunkte =
        regeln.wertung == Abendwertung::Siege && regeln.format != Rennabendformat::Rotation;
    const Punktwertung punkte = siegpunkte ? regeln.punkte : Punktwertung{0, 0, 0};
    for (const auto& [nummer, r] : geltend) {
        for (const Spuren<Spurfahrt>& lauf : r->laeufe) {
            for (int spur = 1; spur <= lauf.anzahl(); ++spur)
                if (Tabellenzeile* zeile = zeileVon(tabelle, lauf[spur].fahrer);
                    zeile && !r->spurFrei(spur))
                    fahrtZaehlen(*zeile, lauf[spur]);
            if (regeln.wertung == Abendwertung::Platzpunkte)
                platzpunkteZaehlen(tabelle, regeln.platzpunkte, *r, lauf);
        }
        for (int spur = 1; spur <= r->laeufe[0].anzahl(); ++spur)
            if (Tabellenzeile* zeile = zeileVon(tabelle, r->laeufe[0][spur].fahrer);
                zeile && !r->spurFrei(spur))
                ausgangZaehlen(punkte, *zeile, r->sieger);
    }
    std::stable_sort(tabelle.begin(), tabelle.end(), rangfolge(regeln));
    if (finale && finale->sieger)
        finaleEinordnen(tabelle, *finale->sieger, finale->laeufe[0]);
    return tabelle;
}

bool mitPunkten(const Rennabendregeln& regeln) {
    return regeln.wertung == Abendwertung::Platzpunkte ||
           (regeln.wertung == Abendwertung::Siege && regeln.format != Rennabendformat::Rotation);
}
