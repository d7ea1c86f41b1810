#include "Schnittstellensteuerung.h"

#include "Leitungen.h"
#include "Portfrage.h"

namespace {
const QString Vorgabe = QStringLiteral("1");
const QString VorgabeZweiter = QStringLiteral("2");
const QString FuerRundomat = QStringLiteral("die Rundomat");
const QString FuerSpuren5bis8 = QStringLiteral("die Spuren 5 bis 8");

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

QString zweiteVerlustmeldung(Stoerung stoerung, const QString& porttext) {
    const QString port = QStringLiteral("Schnittstelle (Com Port ") + porttext +
                         QStringLiteral(") der Spuren 5 bis 8");
    if (stoerung == Stoerung::KeineLeitungen)
        return QStringLiteral("An der ") + port +
               QStringLiteral(" lassen sich die Leitungen CD, DSR, CTS und RI nicht beobachten; "
                              "es kann keine Zeitaufnahme dieser Spuren über die serielle "
                              "Schnittstelle erfolgen.");
    return QStringLiteral("Die Verbindung zur ") + port +
           QStringLiteral(" ist unterbrochen, es kann keine Zeitaufnahme dieser Spuren über die "
                          "serielle Schnittstelle erfolgen. Das Rennen bleibt erhalten; die "
                          "Spuren 1 bis 4 zählen weiter, Runden der Spuren 5 bis 8 lassen sich "
                          "mit Shift + 5 bis Shift + 8 geben. Nach dem Wiederanschließen die "
                          "Schnittstelle unter \"Option\" mit \"COM ändern\" neu öffnen.");
}
} // namespace

Schnittstellensteuerung::Schnittstellensteuerung(Rennen& rennen, Einstellungsspeicher& speicher,
                                                 Dialoge& dialoge,
                                                 SeriellerAnschluss& sensoranschluss,
                                                 SeriellerAnschluss& boxport,
                                                 SeriellerAnschluss* zweiterSensorport)
    : m_rennen(rennen), m_werte(speicher), m_dialoge(dialoge), m_sensoranschluss(sensoranschluss),
      m_boxport(boxport), m_zweiterSensorport(zweiterSensorport) {
    m_sensoranschluss.beiStoerung([this](Stoerung s) { verloren(s); });
    m_boxport.beiStoerung([this](Stoerung s) { verloren(s); });
    if (m_zweiterSensorport)
        m_zweiterSensorport->beiStoerung([this](Stoerung s) { zweiterVerloren(s); });
    // A board on the first port has inputs for every lane; plain lines have four.
    m_sensoranschluss.beiLeitungen([this] { zweitenPortAnpassen(); });
}

void Schnittstellensteuerung::SchnittstelleOeffnen(const QString& modus) {
    QString p = modus;
    if (modus == NormalOeffnen) {
        p = m_werte.text(Einstellungen::Port);
        if (p == QStringLiteral("?"))
            p = m_dialoge.eingabe(QStringLiteral("Geben Sie bitte die Portnummer der seriellen "
                                                 "Schnittstelle für die Rundomat an:"),
                                  Porttitel, Vorgabe);
    }
    // Only one of the two ports is ever open.
    (m_rennen.einstellungen().raceControl ? m_sensoranschluss : m_boxport).schliessen();
    const QString geoeffnet =
        portErfragen(m_dialoge, p, FuerRundomat, Vorgabe,
                     [this](const QString& geraet) { return aktiverPort().oeffnen(geraet); });
    if (geoeffnet.isEmpty()) {
        m_dialoge.meldung(QStringLiteral("Fehler beim Öffnen der Schnittstelle (Com Port ), es "
                                         "kann keine Zeitaufnahme über die serielle "
                                         "Schnittstelle erfolgen."),
                          Anwendungstitel);
        ohneSchnittstelle();
        return;
    }
    m_porttext = geoeffnet;
    m_werte.speichern(Einstellungen::Port, geoeffnet);
    // A port that opens after an earlier failure makes the notice in the title untrue.
    m_rennen.portGeoeffnet(geoeffnet);
    zweitenPortAnpassen();
}

void Schnittstellensteuerung::aktivenPortSchliessen() {
    aktiverPort().schliessen();
    if (m_zweiterSensorport) {
        m_zweiterSensorport->schliessen();
        zweitenPortMelden(QString());
    }
}

// The status bar names the second port beside the first; the race hears of it only when it
// changes.
void Schnittstellensteuerung::zweitenPortMelden(const QString& port) {
    if (m_rennen.stand().anschluss.zweiterPort != port)
        m_rennen.zweiterPortGesetzt(port);
}

void Schnittstellensteuerung::zweitenPortAnpassen() {
    if (!m_zweiterSensorport)
        return;
    if (m_rennen.einstellungen().raceControl ||
        m_rennen.stand().spuren.anzahl() <= LeitungenJePort) {
        m_zweiterSensorport->schliessen();
        zweitenPortMelden(QString());
        return;
    }
    // Without the first port's lines (none, or a board) nobody is asked for a second.
    if (m_zweiterSensorport->istOffen())
        return;
    if (!m_sensoranschluss.mitLeitungen()) {
        zweitenPortMelden(QString());
        return;
    }
    QString p = m_werte.text(Einstellungen::Port2);
    if (p == QStringLiteral("?"))
        p = m_dialoge.eingabe(QStringLiteral("Geben Sie bitte die Portnummer der seriellen "
                                             "Schnittstelle für die Spuren 5 bis 8 an:"),
                              Porttitel, VorgabeZweiter);
    const QString geoeffnet =
        portErfragen(m_dialoge, p, FuerSpuren5bis8, VorgabeZweiter, [this](const QString& geraet) {
            return m_zweiterSensorport->oeffnen(geraet);
        });
    // The first port times lanes 1 to 4 all the same; the title's notice is about it alone.
    if (geoeffnet.isEmpty()) {
        m_dialoge.meldung(QStringLiteral("Fehler beim Öffnen der Schnittstelle der Spuren 5 bis "
                                         "8, es kann keine Zeitaufnahme dieser Spuren über die "
                                         "serielle Schnittstelle erfolgen."),
                          Anwendungstitel);
        zweitenPortMelden(QStringLiteral("?"));
        return;
    }
    m_zweiterPorttext = geoeffnet;
    m_werte.speichern(Einstellungen::Port2, geoeffnet);
    zweitenPortMelden(geoeffnet);
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

// Lanes 1 to 4 still count on the first port.
void Schnittstellensteuerung::zweiterVerloren(Stoerung stoerung) {
    zweitenPortMelden(QStringLiteral("?"));
    m_dialoge.meldung(zweiteVerlustmeldung(stoerung, m_zweiterPorttext), Anwendungstitel);
}

SeriellerAnschluss& Schnittstellensteuerung::aktiverPort() {
    return m_rennen.einstellungen().raceControl ? m_boxport : m_sensoranschluss;
}
