#include "Zuschauerabend.h"

#include "Zahlenformat.h"

#include <algorithm>

namespace {
QString sekunden(double wert) {
    return Zahlenformat::ZahlFormatieren(wert) + QStringLiteral(" s");
}

// Each driver's first entry among those still to drive, the due one with its lanes as they
// will be.
std::vector<Fahrerlauf> fahrerlaeufe(const Rennabendleiter& leiter, bool begegnungen) {
    std::vector<Fahrerlauf> laeufe;
    const std::vector<int> offen = leiter.offeneEintraege();
    for (const Teilnehmer& t : leiter.abend().teilnehmer)
        for (std::size_t i = 0; i < offen.size(); ++i) {
            const Spuren<QString> spuren =
                i == 0 ? *leiter.naechsteSpuren()
                       : leiter.abend().plan[static_cast<std::size_t>(offen[i] - 1)].belegung();
            const auto spur = std::find_if(spuren.begin(), spuren.end(), [&](const QString& f) {
                return gleicherFahrer(f, t.name);
            });
            if (spur == spuren.end())
                continue;
            laeufe.push_back({t.name, QStringLiteral("Dein nächster Lauf: %1 %2, Spur %3")
                                          .arg(begegnungen ? QStringLiteral("Begegnung")
                                                           : QStringLiteral("Lauf"))
                                          .arg(offen[i])
                                          .arg(spur - spuren.begin() + 1)});
            break;
        }
    return laeufe;
}
} // namespace

std::optional<Abendanzeige> zuschauerabend(const Rennabendleiter& leiter) {
    if (!leiter.aktiv())
        return std::nullopt;
    const Rennabend& abend = leiter.abend();
    const bool nachZeit = abend.nachZeit();
    const bool begegnungen = abend.regeln.format == Rennabendformat::JederGegenJeden;
    Abendanzeige a;
    a.kopf = QStringList{QStringLiteral("Platz"), QStringLiteral("Fahrer")}
             << (begegnungen ? QStringLiteral("Punkte")
                 : nachZeit  ? QStringLiteral("Distanz (Rd.)")
                             : QStringLiteral("Gesamtzeit"))
             << QStringLiteral("Siege") << QStringLiteral("Beste Runde");
    const auto farbe = [&abend](const QString& fahrer) -> std::optional<Farbe> {
        for (const Teilnehmer& t : abend.teilnehmer)
            if (gleicherFahrer(t.name, fahrer))
                return t.farbe;
        return std::nullopt;
    };
    int platz = 0;
    for (const Tabellenzeile& z : leiter.tabelle()) {
        const QString wertung = begegnungen ? QString::number(z.punkte)
                                : nachZeit  ? Zahlenformat::ZahlFormatieren(z.distanz)
                                            : sekunden(z.gesamtzeit);
        a.tabelle.push_back(
            {z.fahrer,
             {QString::number(++platz),
              z.ausgeschieden ? z.fahrer + QStringLiteral(" (ausgeschieden)") : z.fahrer, wertung,
              QString::number(z.siege),
              z.besteRunde ? sekunden(*z.besteRunde) : QStringLiteral("–")},
             z.ausgeschieden,
             z.ausgeschieden ? std::nullopt : farbe(z.fahrer)});
    }
    if (const std::optional<Spuren<QString>> spuren = leiter.naechsteSpuren()) {
        Abendpaarung p{(*spuren)[1], (*spuren)[2]};
        for (int spur = 1; spur <= spuren->anzahl(); ++spur) {
            if (spur > 2)
                p.weitere << (*spuren)[spur];
            p.farben.push_back(farbe((*spuren)[spur]));
        }
        p.nummer = *leiter.naechste();
        a.naechste = p;
    }
    a.fahrerlaeufe = fahrerlaeufe(leiter, begegnungen);
    if (a.naechste && leiter.naechstePaarung()->finale)
        a.stelle = QStringLiteral("Finale");
    else if (const std::optional<int> n = leiter.naechste())
        a.stelle =
            (begegnungen ? QStringLiteral("Begegnung %1 von %2") : QStringLiteral("Lauf %1 von %2"))
                .arg(*n)
                .arg(abend.plan.size());
    return a;
}
