#include "Portfrage.h"

#include "Portangabe.h"

namespace {
// On lines of its own: the prompt does not wrap its text, and the command is to be typed.
const QString Rechtehinweis = QStringLiteral(
    "\nIhnen fehlt das Recht, diese Schnittstelle zu öffnen: treten Sie mit dem Befehl\n"
    "sudo adduser $USER dialout der Gruppe dialout bei und melden Sie sich danach neu an.\n");
} // namespace

QString fehlerfrage(const QString& porttext, const QString& wofuer) {
    const std::optional<QString> geraet = portGeraet(porttext);
    return QStringLiteral("Fehler beim Öffnen der Schnittstelle (Com Port ") + porttext +
           QStringLiteral(").") +
           (geraet && zugriffVerweigert(*geraet) ? Rechtehinweis : QStringLiteral(" ")) +
           QStringLiteral("Geben Sie bitte eine unbelegte und richtig konfigurierte "
                          "Portnummer der seriellen Schnittstelle für ") +
           wofuer + QStringLiteral(" an:");
}

QString portErfragen(Dialoge& dialoge, QString porttext, const QString& wofuer,
                     const QString& vorgabe, const std::function<bool(const QString&)>& oeffnen) {
    // Text that names no port fails like a port that does not open.
    for (;;) {
        const std::optional<QString> geraet = portGeraet(porttext);
        if (geraet && oeffnen(*geraet))
            return porttext;
        porttext = dialoge.eingabe(fehlerfrage(porttext, wofuer), Porttitel, vorgabe);
        if (porttext.isEmpty())
            return {};
    }
}
