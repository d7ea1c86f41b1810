#include "Rennvermerk.h"

#include "Rennen.h"

void Rennvermerk::ampelGesetzt(const Rennen& rennen, Ampel ampel) {
    if (ampel != Ampel::Gruen)
        return;
    const std::int64_t tick = rennen.uhr().ticks();
    m_eintragen({tick, rennen.uhr().ticksProSekunde(), QStringLiteral("Ampel grün"), 0,
                 rennen.signalzeit(tick), Signalausgang::Ignoriert,
                 QStringLiteral("die Rennuhr läuft")});
}

void Rennvermerk::rundeGestrichen(const Rennen&, const Streichmeldung& m) {
    Signaleintrag eintrag{m.tick,
                          m.ticksProSekunde,
                          QStringLiteral("Strg+") + QString::number(m.spur),
                          m.spur,
                          m.zeit,
                          Signalausgang::Gestrichen,
                          {}};
    if (m.runde == 0) {
        eintrag.ausgang = Signalausgang::Ignoriert;
        eintrag.anmerkung = QStringLiteral("keine Runde zu streichen");
    } else {
        eintrag.anmerkung = QStringLiteral("Runde %1 (%2 s) gestrichen")
                                .arg(m.runde)
                                .arg(QString::number(m.rundenzeit, 'f', 3));
    }
    m_eintragen(eintrag);
}

void Rennvermerk::streckenrufBegonnen(const Rennen& rennen, const Streckenruf& ruf, int spur) {
    const std::int64_t tick = rennen.uhr().ticks();
    m_eintragen({tick, rennen.uhr().ticksProSekunde(), QStringLiteral("Streckenruf"), spur,
                 rennen.signalzeit(tick), Signalausgang::Ignoriert,
                 QStringLiteral("Ursache: ") + streckenrufursacheName(ruf.ursache) +
                     (spur ? QStringLiteral(", Spur %1 überfällig").arg(spur) : QString())});
}

void Rennvermerk::crashPause(const Rennen& rennen, bool an) {
    if (an)
        return;
    const std::int64_t tick = rennen.uhr().ticks();
    m_eintragen({tick,
                 rennen.uhr().ticksProSekunde(),
                 QStringLiteral("Streckenruf beendet"),
                 0,
                 rennen.signalzeit(tick),
                 Signalausgang::Ignoriert,
                 {}});
}
