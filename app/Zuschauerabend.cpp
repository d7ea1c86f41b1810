#include "Zuschauerabend.h"

#include "Zahlenformat.h"

namespace {
QString sekunden(double wert) {
    return Zahlenformat::ZahlFormatieren(wert) + QStringLiteral(" s");
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
    if (const std::optional<Paarung> p = leiter.naechstePaarung())
        a.naechste = Abendpaarung{p->spur1, p->spur2};
    if (a.naechste && leiter.naechstePaarung()->finale)
        a.stelle = QStringLiteral("Finale");
    else if (const std::optional<int> n = leiter.naechste())
        a.stelle =
            (begegnungen ? QStringLiteral("Begegnung %1 von %2") : QStringLiteral("Lauf %1 von %2"))
                .arg(*n)
                .arg(abend.plan.size());
    return a;
}
