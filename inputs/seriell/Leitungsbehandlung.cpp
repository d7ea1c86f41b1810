#include "Leitungsbehandlung.h"

namespace {
// Every passage on a line is timed by the same edge. CD reports both of a passage's edges
// and the debounce keeps the first; the others count their drop, the one edge that every
// UART reports of RI.
bool zaehlflanke(const Leitungsereignis& e) {
    return e.leitung == Leitung::CD || !e.pegel;
}

QString anmerkung(const Leitungsereignis& e, bool beideSpuren, int spur) {
    QStringList teile;
    if (e.genauigkeit == Zeitgenauigkeit::Zusammengefasst)
        teile << QStringLiteral("Zeit ungenau: mit einer späteren Änderung zusammengefasst");
    else if (e.genauigkeit == Zeitgenauigkeit::Nachgelesen)
        teile << QStringLiteral("Zeit ungenau: ohne eigenen Weckruf gefunden, bis zu %1 ms früher")
                     .arg(e.spielraum);
    if (beideSpuren)
        teile << QStringLiteral("Einzelmodus: auch Spur ") + QString::number(andereSpur(spur));
    return teile.join(QStringLiteral("; "));
}
} // namespace

QString Leitungsbehandlung::ereignisText(const Leitungsereignis& e) const {
    // The first port's lines go by their names alone, as they always have.
    const QString port = m_port == 1 ? QString() : QStringLiteral("Port %1 ").arg(m_port);
    return port + QLatin1String(leitungsname(e.leitung)) +
           (e.pegel ? QStringLiteral(" steigt") : QStringLiteral(" fällt"));
}

void Leitungsbehandlung::leitungGeaendert(const Leitungsereignis& ereignis) {
    Rennen& r = m_rennen;
    const bool raceControl = r.einstellungen().raceControl;
    // In RaceControl mode the box's port is the active one; a change still on its way from
    // the sensor port counts for nothing.
    const bool rundensignal = !raceControl && zaehlflanke(ereignis);
    const int nummer = spur(ereignis.leitung);
    // The race clock is the box's then; a sensor time on its scale would mean nothing.
    const double zeit = raceControl ? 0.0 : r.signalzeit(ereignis.zeit);
    const Signalausgang ausgang =
        rundensignal ? r.signalPruefen(nummer, zeit) : Signalausgang::Ignoriert;
    const bool weiter = weitergeben(ausgang);

    if (m_protokoll)
        m_protokoll({ereignis.zeit, LeitungsticksProSekunde, ereignisText(ereignis),
                     rundensignal ? nummer : 0, zeit, ausgang,
                     anmerkung(ereignis, weiter && r.stand().einzelmodus, nummer)});
    if (weiter)
        r.rundensignal(nummer, zeit, Signalweg::Leitungen);
}
