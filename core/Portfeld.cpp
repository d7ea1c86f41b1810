#include "Portfeld.h"

namespace {
// In front, so it shows even where the panel cuts its text short.
const QString BoxStumm = QStringLiteral("Box stumm – ");
} // namespace

QString portfeldtext(const Anschlussstand& anschluss) {
    QString text;
    switch (anschluss.art) {
    case Anschlussart::Unbekannt: text = QStringLiteral("Com Port:"); break;
    case Anschlussart::Schnittstelle: text = QStringLiteral("Com Port: ") + anschluss.port; break;
    case Anschlussart::Platine: text = QStringLiteral("Platine: ") + anschluss.port; break;
    case Anschlussart::Simulation: text = QStringLiteral("Simulation"); break;
    }
    return anschluss.boxStumm ? BoxStumm + text : text;
}
