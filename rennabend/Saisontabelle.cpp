#include "Saisontabelle.h"

#include "Fahrerliste.h"
#include "Punkteliste.h"

#include <algorithm>

namespace {
struct Wertung {
    Saisonzeile zeile;
    int bestePlatzierung = 0; // from 1
};
} // namespace

std::vector<Saisonzeile> saisontabelle(const std::vector<QStringList>& abende,
                                       const std::vector<int>& platzpunkte) {
    std::vector<Wertung> wertungen;
    for (const QStringList& reihenfolge : abende)
        for (qsizetype platz = 0; platz < reihenfolge.size(); ++platz) {
            const QString& name = reihenfolge[platz];
            auto w = std::find_if(wertungen.begin(), wertungen.end(), [&](const Wertung& x) {
                return gleicherFahrer(x.zeile.fahrer, name);
            });
            if (w == wertungen.end()) {
                wertungen.push_back({{name}, static_cast<int>(platz) + 1});
                w = wertungen.end() - 1;
            }
            ++w->zeile.abende;
            w->zeile.abendsiege += platz == 0;
            if (static_cast<std::size_t>(platz) < platzpunkte.size())
                w->zeile.punkte += platzpunkte[static_cast<std::size_t>(platz)];
            w->bestePlatzierung = std::min(w->bestePlatzierung, static_cast<int>(platz) + 1);
        }
    std::stable_sort(wertungen.begin(), wertungen.end(), [](const Wertung& a, const Wertung& b) {
        if (a.zeile.punkte != b.zeile.punkte)
            return a.zeile.punkte > b.zeile.punkte;
        if (a.zeile.abendsiege != b.zeile.abendsiege)
            return a.zeile.abendsiege > b.zeile.abendsiege;
        return a.bestePlatzierung < b.bestePlatzierung;
    });
    std::vector<Saisonzeile> tabelle;
    for (const Wertung& w : wertungen)
        tabelle.push_back(w.zeile);
    return tabelle;
}

std::vector<Saisonwertung> saisonwertungen(const std::vector<GespeicherterRennabend>& abende,
                                           const std::vector<int>& platzpunkte) {
    // Season by season, in the order of their newest night (the nights come oldest first).
    std::vector<std::pair<QString, std::vector<QStringList>>> saisons;
    for (auto g = abende.rbegin(); g != abende.rend(); ++g) {
        const Rennabend& a = g->abend;
        const bool gefahren = std::any_of(a.rennen.begin(), a.rennen.end(), [](const auto& r) {
            return !r.rennen.abgebrochen && !r.rennen.laeufe.empty();
        });
        if (a.saison.isEmpty() || !gefahren || g->beschaedigt)
            continue;
        QStringList reihenfolge;
        for (const Tabellenzeile& z :
             rennabendtabelle(a.regeln, fahrernamen(a), a.ausgeschieden, a.rennen))
            reihenfolge << z.fahrer;
        auto s = std::find_if(saisons.begin(), saisons.end(),
                              [&](const auto& x) { return x.first == a.saison; });
        if (s == saisons.end()) {
            saisons.push_back({a.saison, {}});
            s = saisons.end() - 1;
        }
        s->second.insert(s->second.begin(), reihenfolge);
    }
    std::vector<Saisonwertung> wertungen;
    for (const auto& [name, reihenfolgen] : saisons) {
        Saisonwertung w{name,
                        static_cast<int>(reihenfolgen.size()),
                        {QStringLiteral("Platz"), QStringLiteral("Fahrer"),
                         QStringLiteral("Punkte"), QStringLiteral("Abende"),
                         QStringLiteral("Abendsiege")},
                        {}};
        int platz = 0;
        for (const Saisonzeile& z : saisontabelle(reihenfolgen, platzpunkte))
            w.zeilen.push_back({QString::number(++platz), z.fahrer, QString::number(z.punkte),
                                QString::number(z.abende), QString::number(z.abendsiege)});
        wertungen.push_back(std::move(w));
    }
    return wertungen;
}

std::vector<int> saisonpunkteLesen(Einstellungswerte& werte) {
    if (const auto punkte = punktelisteLesen(werte.text(Einstellungen::RennabendSaisonpunkte)))
        return *punkte;
    return *punktelisteLesen(Einstellungen::RennabendSaisonpunkte.vorgabe);
}
