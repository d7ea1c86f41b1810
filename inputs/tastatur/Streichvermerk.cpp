#include "Streichvermerk.h"

void Streichvermerk::rundeGestrichen(const Rennen&, const Streichmeldung& m) {
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
