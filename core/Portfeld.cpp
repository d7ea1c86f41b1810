#include "Portfeld.h"

#include "Zahlenformat.h"

namespace {
// In front, so it shows even where the panel cuts its text short.
const QString BoxStumm = QStringLiteral("Box stumm – ");
} // namespace

QString portfeldtext(const Anschlussstand& anschluss) {
    const QString port = anschluss.keinPort ? QStringLiteral("?") : anschluss.port;
    QString text;
    switch (anschluss.art) {
    case Anschlussart::Unbekannt: text = QStringLiteral("Com Port:"); break;
    case Anschlussart::Schnittstelle:
        text = QStringLiteral("Com Port: ") + port;
        // Lanes 5 to 8 on the lines of a second port.
        if (!anschluss.zweiterPort.isEmpty())
            text += QStringLiteral(" + ") + anschluss.zweiterPort;
        break;
    case Anschlussart::Platine: text = QStringLiteral("Platine: ") + port; break;
    case Anschlussart::Simulation: text = QStringLiteral("Simulation"); break;
    }
    return anschluss.boxVerstummt ? BoxStumm + text : text;
}

std::optional<QString> simulationswarnung(const Rennstand& r) {
    const Anschlussstand& a = r.anschluss;
    if (a.art != Anschlussart::Simulation ||
        !(a.kuerzesteSimulationsrunde < r.einstellungen.prellzeit))
        return std::nullopt;
    return QStringLiteral(
               "Die simulierten Runden (ab %1 s) sind kürzer als die Prellzeit von %2 s: "
               "jede solche Runde geht verloren. Eine längere mittlere Rundenzeit "
               "(--simulate=SEKUNDEN) oder eine kürzere Prellzeit (Option) hilft.")
        .arg(Zahlenformat::allgemein(a.kuerzesteSimulationsrunde),
             Zahlenformat::allgemein(r.einstellungen.prellzeit));
}
