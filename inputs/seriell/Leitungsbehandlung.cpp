#include "Leitungsbehandlung.h"

namespace {
QString ereignisText(const Leitungsereignis& e) {
    return (e.leitung == Leitung::CD ? QStringLiteral("CD ") : QStringLiteral("DSR ")) +
           (e.pegel ? QStringLiteral("steigt") : QStringLiteral("fällt"));
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

void Leitungsbehandlung::leitungGeaendert(const Leitungsereignis& ereignis) {
    Rennen& r = m_rennen;
    const bool raceControl = r.einstellungen().raceControl;
    // DSR reports only its drop. In RaceControl mode the box's port is the active one; a
    // change still on its way from the sensor port counts for nothing.
    const bool rundensignal = !raceControl && (ereignis.leitung == Leitung::CD || !ereignis.pegel);
    const int spur = ereignis.leitung == Leitung::CD ? 1 : 2;
    // The race clock is the box's then; a sensor time on its scale would mean nothing.
    const double zeit = raceControl ? 0.0 : r.signalzeit(ereignis.zeit);
    const Signalausgang ausgang =
        rundensignal ? r.signalPruefen(spur, zeit) : Signalausgang::Ignoriert;
    const bool weiter = weitergeben(ausgang);

    if (m_protokoll)
        m_protokoll({ereignis.zeit, LeitungsticksProSekunde, ereignisText(ereignis),
                     rundensignal ? spur : 0, zeit, ausgang,
                     anmerkung(ereignis, weiter && r.stand().einzelmodus, spur)});
    if (weiter)
        r.rundensignal(spur, zeit, Signalweg::Leitungen);
}
