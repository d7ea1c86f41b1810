#include "Saisontabelle.h"

#include "Fahrerliste.h"
#include "Hauptlaufwertung.h"
#include "Punkteliste.h"
#include "Saisonspeicher.h"

#include <algorithm>
#include <numeric>

namespace {
struct Saisonfahrer {
    Saisonzeile zeile;
    int bestePlatzierung = 0; // from 1
};

// Marks the nights the driver drops: the worst, a missed one before a driven one of the same
// points, the earlier of equal ones; never all of them.
void streichen(Saisonzeile& z, int streichresultate) {
    const std::size_t n = z.abendpunkte.size();
    std::vector<std::size_t> folge(n);
    std::iota(folge.begin(), folge.end(), 0);
    std::stable_sort(folge.begin(), folge.end(), [&](std::size_t a, std::size_t b) {
        const int pa = z.abendpunkte[a].value_or(0), pb = z.abendpunkte[b].value_or(0);
        if (pa != pb)
            return pa < pb;
        return !z.abendpunkte[a].has_value() && z.abendpunkte[b].has_value();
    });
    const std::size_t weg =
        n == 0 ? 0 : std::min(static_cast<std::size_t>(std::max(streichresultate, 0)), n - 1);
    z.gestrichen.assign(n, false);
    for (std::size_t i = 0; i < weg; ++i)
        z.gestrichen[folge[i]] = z.abendpunkte[folge[i]].has_value();
    z.wertung = 0;
    for (std::size_t i = weg; i < n; ++i)
        z.wertung += z.abendpunkte[folge[i]].value_or(0);
}

bool gleicheKlasse(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString saisonpunkteText(const Saisonzeile& z, std::size_t abend) {
    if (!z.abendpunkte[abend])
        return QStringLiteral("–");
    const QString punkte = QString::number(*z.abendpunkte[abend]);
    return z.gestrichen[abend] ? QStringLiteral("(%1)").arg(punkte) : punkte;
}

std::vector<QStringList> saisonzeilen(const std::vector<Saisonzeile>& tabelle, bool klassen) {
    std::vector<QStringList> zeilen;
    int platz = 0;
    for (const Saisonzeile& z : tabelle) {
        QStringList zeile{QString::number(++platz), z.fahrer};
        if (klassen)
            zeile << z.klasse;
        for (std::size_t abend = 0; abend < z.abendpunkte.size(); ++abend)
            zeile << saisonpunkteText(z, abend);
        zeile << QString::number(z.gesamt) << QString::number(z.wertung)
              << QString::number(z.abende) << QString::number(z.abendsiege);
        zeilen.push_back(zeile);
    }
    return zeilen;
}

Saisonwertung saisonwertung(const QString& name, const std::vector<Saisonabend>& abende,
                            const std::vector<int>& platzpunkte, int streichresultate) {
    const std::vector<Saisonzeile> tabelle = saisontabelle(abende, platzpunkte, streichresultate);
    const auto klassen = klassentabellen(tabelle);
    Saisonwertung w{name, static_cast<int>(abende.size()), {}, {}, streichresultate, {}};
    w.kopf = QStringList{QStringLiteral("Platz"), QStringLiteral("Fahrer")};
    if (!klassen.empty())
        w.kopf << QStringLiteral("Klasse");
    for (const Saisonabend& a : abende)
        w.kopf << a.datum.toString(QStringLiteral("dd.MM."));
    w.kopf << QStringLiteral("Gesamt") << QStringLiteral("Wertung") << QStringLiteral("Abende")
           << QStringLiteral("Abendsiege");
    w.zeilen = saisonzeilen(tabelle, !klassen.empty());
    for (const auto& [klasse, zeilen] : klassen)
        w.klassen.push_back({klasse, saisonzeilen(zeilen, true)});
    return w;
}
} // namespace

std::vector<Saisonzeile> saisontabelle(const std::vector<Saisonabend>& abende,
                                       const std::vector<int>& platzpunkte, int streichresultate) {
    std::vector<Saisonfahrer> fahrer;
    for (std::size_t abend = 0; abend < abende.size(); ++abend) {
        const QStringList& reihenfolge = abende[abend].reihenfolge;
        for (qsizetype platz = 0; platz < reihenfolge.size(); ++platz) {
            const QString& name = reihenfolge[platz];
            auto f = std::find_if(fahrer.begin(), fahrer.end(), [&](const Saisonfahrer& x) {
                return gleicherFahrer(x.zeile.fahrer, name);
            });
            if (f == fahrer.end()) {
                Saisonfahrer neu;
                neu.zeile.fahrer = name;
                neu.zeile.abendpunkte.resize(abende.size());
                neu.bestePlatzierung = static_cast<int>(platz) + 1;
                fahrer.push_back(std::move(neu));
                f = fahrer.end() - 1;
            }
            Saisonzeile& z = f->zeile;
            ++z.abende;
            z.abendsiege += platz == 0;
            const auto p = static_cast<std::size_t>(platz);
            z.abendpunkte[abend] = p < platzpunkte.size() ? platzpunkte[p] : 0;
            z.gesamt += *z.abendpunkte[abend];
            if (const QString klasse = klasseVon(abende[abend].klassen, name); !klasse.isEmpty())
                z.klasse = klasse;
            f->bestePlatzierung = std::min(f->bestePlatzierung, static_cast<int>(platz) + 1);
        }
    }
    for (Saisonfahrer& f : fahrer)
        streichen(f.zeile, streichresultate);
    std::stable_sort(fahrer.begin(), fahrer.end(),
                     [](const Saisonfahrer& a, const Saisonfahrer& b) {
                         if (a.zeile.wertung != b.zeile.wertung)
                             return a.zeile.wertung > b.zeile.wertung;
                         if (a.zeile.abendsiege != b.zeile.abendsiege)
                             return a.zeile.abendsiege > b.zeile.abendsiege;
                         return a.bestePlatzierung < b.bestePlatzierung;
                     });
    std::vector<Saisonzeile> tabelle;
    for (Saisonfahrer& f : fahrer)
        tabelle.push_back(std::move(f.zeile));
    return tabelle;
}

std::vector<std::pair<QString, std::vector<Saisonzeile>>>
klassentabellen(const std::vector<Saisonzeile>& tabelle) {
    std::vector<std::pair<QString, std::vector<Saisonzeile>>> klassen;
    for (const Saisonzeile& z : tabelle) {
        if (z.klasse.isEmpty())
            continue;
        auto k = std::find_if(klassen.begin(), klassen.end(),
                              [&](const auto& x) { return gleicheKlasse(x.first, z.klasse); });
        if (k == klassen.end()) {
            klassen.push_back({z.klasse, {}});
            k = klassen.end() - 1;
        }
        k->second.push_back(z);
    }
    std::stable_sort(klassen.begin(), klassen.end(), [](const auto& a, const auto& b) {
        return a.first.compare(b.first, Qt::CaseInsensitive) < 0;
    });
    return klassen;
}

std::vector<Saison> saisonsDerAbende(const std::vector<GespeicherterRennabend>& abende) {
    // Season by season, in the order of their newest night (the nights come oldest first).
    std::vector<Saison> saisons;
    for (auto g = abende.rbegin(); g != abende.rend(); ++g) {
        const Rennabend& a = g->abend;
        const bool gefahren = std::any_of(a.rennen.begin(), a.rennen.end(), [](const auto& r) {
            return !r.rennen.abgebrochen && !r.rennen.laeufe.empty();
        });
        if (a.saison.isEmpty() || !gefahren || g->beschaedigt)
            continue;
        Saisonabend abend{a.beginn.date(), {}, a.klassen, a.schluessel};
        // The night's own order, its mains' places above its points.
        for (const Tabellenzeile& z : abendtabelle(a))
            abend.reihenfolge << z.fahrer;
        auto s = std::find_if(saisons.begin(), saisons.end(),
                              [&](const Saison& x) { return x.name == a.saison; });
        if (s == saisons.end()) {
            saisons.push_back({a.saison, {}});
            s = saisons.end() - 1;
        }
        s->abende.insert(s->abende.begin(), std::move(abend));
    }
    return saisons;
}

int streichresultateDer(const std::map<QString, int>& streichresultate, const QString& saison) {
    const auto streichung = streichresultate.find(saison);
    return streichung == streichresultate.end() ? 0 : streichung->second;
}

std::vector<Saisonwertung> saisonwertungen(const std::vector<GespeicherterRennabend>& abende,
                                           const std::vector<int>& platzpunkte,
                                           const std::map<QString, int>& streichresultate) {
    std::vector<Saisonwertung> wertungen;
    for (const Saison& s : saisonsDerAbende(abende))
        wertungen.push_back(saisonwertung(s.name, s.abende, platzpunkte,
                                          streichresultateDer(streichresultate, s.name)));
    return wertungen;
}

std::vector<Saisonwertung> saisonwertungenLesen(Verlaufsdatenbank& datenbank,
                                                const std::vector<int>& platzpunkte,
                                                QString& fehler) {
    const std::map<QString, int> streichung = streichresultateLesen(datenbank, fehler);
    if (!fehler.isEmpty())
        return {};
    return saisonwertungen(rennabendeLesen(datenbank, {}, fehler), platzpunkte, streichung);
}

std::vector<int> saisonpunkteLesen(Einstellungswerte& werte) {
    if (const auto punkte = punktelisteLesen(werte.text(Einstellungen::RennabendSaisonpunkte)))
        return *punkte;
    return *punktelisteLesen(Einstellungen::RennabendSaisonpunkte.vorgabe);
}
