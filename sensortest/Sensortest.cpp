#include "Sensortest.h"

#include "Portfeld.h"
#include "Zahlenformat.h"

#include <cmath>

namespace {
const QString Strich = QStringLiteral("–");

QString ms(std::optional<std::int64_t> wert) {
    return wert ? QString::number(*wert) + QStringLiteral(" ms") : Strich;
}

QString sekunden(std::optional<std::int64_t> wert) {
    return wert ? Zahlenformat::ZahlFormatieren(static_cast<double>(*wert) / 1000) +
                      QStringLiteral(" s")
                : Strich;
}

int portDerSpur(int spur) {
    return (spur - 1) / LeitungenJePort + 1;
}

Leitung leitungDerSpur(int spur) {
    return Leitungen[static_cast<std::size_t>((spur - 1) % LeitungenJePort)];
}

// The first port's lines go by their names alone, as in the signal log.
QString spurbeschriftung(int spur) {
    const QString port =
        portDerSpur(spur) == 1 ? QString() : QStringLiteral("Port %1 ").arg(portDerSpur(spur));
    return QStringLiteral("Spur %1 (").arg(spur) + port +
           QLatin1String(leitungsname(leitungDerSpur(spur))) + QLatin1Char(')');
}

// The first port's lines the track's lanes use: "CD und DSR", "CD, DSR, CTS und RI".
QString ersteLeitungen(int spurenzahl) {
    QStringList namen;
    for (int spur = 1; spur <= std::min(spurenzahl, LeitungenJePort); ++spur)
        namen << QLatin1String(leitungsname(leitungDerSpur(spur)));
    const QString letzte = namen.takeLast();
    return namen.join(QStringLiteral(", ")) + QStringLiteral(" und ") + letzte;
}

// "Spur 5" or "Spuren 5 bis 8": those on the second port.
QString zweiteSpuren(int spurenzahl) {
    const int erste = LeitungenJePort + 1;
    return spurenzahl == erste ? QStringLiteral("Spur %1").arg(erste)
                               : QStringLiteral("Spuren %1 bis %2").arg(erste).arg(spurenzahl);
}
} // namespace

Sensortest::Sensortest(Rennen& rennen, Sensorport& sensoranschluss, Sensorport* zweiterSensorport,
                       Uhr& uhr, Portsteuerung& port, Dialoge& dialoge)
    : m_rennen(rennen), m_sensoranschluss(sensoranschluss), m_zweiterSensorport(zweiterSensorport),
      m_uhr(uhr), m_port(port), m_dialoge(dialoge) {
    taktSchlag();
}

Sensorport* Sensortest::sensorport(int port) const {
    return port == 1 ? &m_sensoranschluss : m_zweiterSensorport;
}

void Sensortest::spurenAnpassen() {
    if (m_spuren.anzahl() != m_rennen.spurenzahl())
        m_spuren = Spuren<Sensorspur>::fuer(m_rennen.spurenzahl());
}

void Sensortest::leitungGeaendert(int port, const Leitungsereignis& e) {
    spurenAnpassen();
    const int spur = spurDerLeitung(port, e.leitung);
    if (spur > m_spuren.anzahl())
        return;
    // Timed by the edge a race counts: any change of CD, the drop of the others.
    m_spuren[spur].flanke(e.zeit, e.pegel, e.leitung == Leitung::CD || !e.pegel);
    darstellen();
}

void Sensortest::taktSchlag() {
    spurenAnpassen();
    std::optional<Pegel> pegel[2];
    for (int port = 1; port <= 2; ++port)
        if (Sensorport* p = sensorport(port); p && portDerSpur(m_spuren.anzahl()) >= port)
            pegel[port - 1] = p->pegel();
    for (int spur = 1; spur <= m_spuren.anzahl(); ++spur)
        if (const std::optional<Pegel>& p = pegel[portDerSpur(spur) - 1])
            m_spuren[spur].pegelSetzen(p->von(leitungDerSpur(spur)));
    darstellen();
}

void Sensortest::portWechseln() {
    comAendern(m_port, m_dialoge);
    // Other sensors, perhaps: what the old ones did says nothing about them.
    m_spuren = Spuren<Sensorspur>::fuer(m_rennen.spurenzahl());
    taktSchlag();
}

void Sensortest::darstellen() {
    const std::int64_t jetzt = m_uhr.ticks();
    if (ansicht.spur.anzahl() != m_spuren.anzahl())
        ansicht.spur = Spuren<SpurAnsicht>::fuer(m_spuren.anzahl());
    for (int nummer = 1; nummer <= m_spuren.anzahl(); ++nummer) {
        const Sensorspur& s = m_spuren[nummer];
        SpurAnsicht& a = ansicht.spur[nummer];
        const Sensorport* port = sensorport(portDerSpur(nummer));
        a.LaSpur = spurbeschriftung(nummer);
        a.ImLampe = port && port->istOffen() ? s.pegel() : std::nullopt;
        a.LaFlanken = QString::number(s.flanken());
        a.LaSeit =
            s.letzteFlanke()
                ? Zahlenformat::allgemein(
                      std::round(static_cast<double>(jetzt - *s.letzteFlanke()) / 100) / 10) +
                      QStringLiteral(" s")
                : Strich;
        a.LaPrellen = ms(s.prellabstand());
        a.LaRunde = sekunden(s.rundenzeit());
    }

    const Rennstand& r = m_rennen.stand();
    ansicht.BuComVisible = !r.einstellungen.raceControl;
    ansicht.LaPort = porttext();
    const Prellzeiturteil urteil = prellzeitUrteilen(r.einstellungen.prellzeit, m_spuren);
    ansicht.urteil = urteil.art;
    ansicht.LaUrteil = urteil.text;
}

QString Sensortest::porttext() const {
    const Rennstand& r = m_rennen.stand();
    const bool offen = m_sensoranschluss.istOffen() && !r.einstellungen.raceControl;
    const QString portfeld = portfeldtext(r.anschluss);
    const int spurenzahl = m_spuren.anzahl();
    if (r.einstellungen.raceControl)
        return QStringLiteral(
            "Die Zeitnahme läuft über Racecontrol. Der Sensortest prüft die Sensoren an der "
            "seriellen Schnittstelle; dazu Racecontrol in den Optionen abwählen.");
    if (!offen && r.anschluss.art == Anschlussart::Platine)
        // The board debounces and stamps on its own; its edges are in the signal log.
        return QStringLiteral("Die Sensoren hängen an einer Platine (") + portfeld +
               QStringLiteral("). Der Sensortest beobachtet die Leitungen ") +
               ersteLeitungen(spurenzahl) +
               QStringLiteral("; was die Platine meldet, zeigt das Signalprotokoll "
                              "(--signal-log).");
    if (!offen)
        return QStringLiteral("Keine Schnittstelle geöffnet: die Sensoren lassen sich "
                              "nicht beobachten. Mit \"COM ändern\" eine wählen.");
    QString text = portfeld + QStringLiteral(" – Autos über die Sensoren fahren lassen.");
    if (spurenzahl > LeitungenJePort && !(m_zweiterSensorport && m_zweiterSensorport->istOffen()))
        text += QStringLiteral(" Für ") + zweiteSpuren(spurenzahl) +
                QStringLiteral(" ist keine zweite Schnittstelle geöffnet.");
    return text;
}
