#include "Schnittstellensteuerung.h"

#include "Portangabe.h"

namespace {
const QString Titel = QStringLiteral("welche Schnittstelle");
const QString Vorgabe = QStringLiteral("1");

// On lines of its own: the prompt does not wrap its text, and the command is to be typed.
const QString Rechtehinweis = QStringLiteral(
    "\nIhnen fehlt das Recht, diese Schnittstelle zu öffnen: treten Sie mit dem Befehl\n"
    "sudo adduser $USER dialout der Gruppe dialout bei und melden Sie sich danach neu an.\n");

QString fehlerfrage(const QString& porttext) {
    const std::optional<QString> geraet = portGeraet(porttext);
    return QStringLiteral("Fehler beim Öffnen der Schnittstelle (Com Port ") + porttext +
           QStringLiteral(").") +
           (geraet && zugriffVerweigert(*geraet) ? Rechtehinweis : QStringLiteral(" ")) +
           QStringLiteral("Geben Sie bitte eine unbelegte und richtig konfigurierte "
                          "Portnummer der seriellen Schnittstelle für die Rundomat an:");
}

QString verlustmeldung(Stoerung stoerung, const QString& porttext) {
    if (stoerung == Stoerung::KeineLeitungen)
        return QStringLiteral("An der Schnittstelle (Com Port ") + porttext +
               QStringLiteral(") lassen sich die Leitungen CD und DSR nicht beobachten, und keine "
                              "Platine hat sich gemeldet; es kann keine Zeitaufnahme über die "
                              "serielle Schnittstelle erfolgen.");
    return QStringLiteral("Die Verbindung zur Schnittstelle (Com Port ") + porttext +
           QStringLiteral(") ist unterbrochen, es kann keine Zeitaufnahme über die serielle "
                          "Schnittstelle erfolgen. Das Rennen bleibt erhalten; Runden lassen sich "
                          "weiter mit Shift + 1 und Shift + 2 geben. Nach dem Wiederanschließen "
                          "die Schnittstelle unter \"Option\" mit \"COM ändern\" neu öffnen.");
}
} // namespace

Schnittstellensteuerung::Schnittstellensteuerung(Rennen& rennen, Einstellungsspeicher& speicher,
                                                 Dialoge& dialoge, SeriellerAnschluss& sensoranschluss,
                                                 SeriellerAnschluss& boxport)
    : m_rennen(rennen), m_werte(speicher), m_dialoge(dialoge), m_sensoranschluss(sensoranschluss),
      m_boxport(boxport) {
    m_sensoranschluss.beiStoerung([this](Stoerung s) { verloren(s); });
    m_boxport.beiStoerung([this](Stoerung s) { verloren(s); });
}

void Schnittstellensteuerung::SchnittstelleOeffnen(const QString& modus) {
    QString p = modus;
    if (modus == NormalOeffnen) {
        p = m_werte.text(Einstellungen::Port);
        if (p == QStringLiteral("?"))
            p = m_dialoge.eingabe(QStringLiteral("Geben Sie bitte die Portnummer der seriellen "
                                                 "Schnittstelle für die Rundomat an:"),
                                  Titel, Vorgabe);
    }
    // Text that names no port fails like a port that does not open: the user is asked
    // again, every time, until a port opens or the answer is empty.
    while (!portOeffnen(p)) {
        p = m_dialoge.eingabe(fehlerfrage(p), Titel, Vorgabe);
        if (p.isEmpty()) {
            m_dialoge.meldung(QStringLiteral("Fehler beim Öffnen der Schnittstelle (Com Port ") +
                                  p +
                                  QStringLiteral("), es kann keine Zeitaufnahme über die "
                                                 "serielle Schnittstelle erfolgen."),
                              Anwendungstitel);
            ohneSchnittstelle();
            return;
        }
    }
    m_porttext = p;
    m_werte.speichern(Einstellungen::Port, p);
    // A port that opens after an earlier failure makes the notice in the title untrue.
    m_rennen.portGeoeffnet(p);
}

void Schnittstellensteuerung::aktivenPortSchliessen() {
    aktiverPort().schliessen();
}

bool Schnittstellensteuerung::portOeffnen(const QString& porttext) {
    // Only one of the two ports is ever open.
    SeriellerAnschluss& anderer = m_rennen.einstellungen().raceControl ? m_sensoranschluss : m_boxport;
    anderer.schliessen();
    const std::optional<QString> geraet = portGeraet(porttext);
    return geraet && aktiverPort().oeffnen(*geraet);
}

void Schnittstellensteuerung::ohneSchnittstelle() {
    m_rennen.portFehlt();
}

// The race goes on as it was; only the port is gone, and with it the sensor laps.
void Schnittstellensteuerung::verloren(Stoerung stoerung) {
    ohneSchnittstelle();
    // The board's receiver has named both firmware versions already.
    if (stoerung != Stoerung::FremdeFirmware)
        m_dialoge.meldung(verlustmeldung(stoerung, m_porttext), Anwendungstitel);
}

SeriellerAnschluss& Schnittstellensteuerung::aktiverPort() {
    return m_rennen.einstellungen().raceControl ? m_boxport : m_sensoranschluss;
}
