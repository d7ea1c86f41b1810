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
} // namespace

Sensortest::Sensortest(Rennen& rennen, Sensorport& sensoranschluss, Uhr& uhr, Portsteuerung& port,
                       Dialoge& dialoge)
    : m_rennen(rennen), m_sensoranschluss(sensoranschluss), m_uhr(uhr), m_port(port), m_dialoge(dialoge) {
    taktSchlag();
}

void Sensortest::leitungGeaendert(const Leitungsereignis& e) {
    const bool cd = e.leitung == Leitung::CD;
    m_spuren[cd ? 1 : 2].flanke(e.zeit, e.pegel, cd || !e.pegel);
    darstellen();
}

void Sensortest::taktSchlag() {
    if (const std::optional<Pegel> pegel = m_sensoranschluss.pegel()) {
        m_spuren[1].pegelSetzen(pegel->cd);
        m_spuren[2].pegelSetzen(pegel->dsr);
    }
    darstellen();
}

void Sensortest::portWechseln() {
    comAendern(m_port, m_dialoge);
    // Other sensors, perhaps: what the old ones did says nothing about them.
    m_spuren = {};
    taktSchlag();
}

void Sensortest::darstellen() {
    const std::int64_t jetzt = m_uhr.ticks();
    for (int nummer = 1; nummer <= 2; ++nummer) {
        const Sensorspur& s = m_spuren[nummer];
        SpurAnsicht& a = ansicht.spur[nummer];
        a.ImLampe = m_sensoranschluss.istOffen() ? s.pegel() : std::nullopt;
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
    const bool raceControl = r.einstellungen.raceControl;
    const bool offen = m_sensoranschluss.istOffen() && !raceControl;
    const QString portfeld = portfeldtext(r.anschluss);
    ansicht.BuComVisible = !raceControl;
    if (raceControl)
        ansicht.LaPort = QStringLiteral(
            "Die Zeitnahme läuft über Racecontrol. Der Sensortest prüft die Sensoren an der "
            "seriellen Schnittstelle; dazu Racecontrol in den Optionen abwählen.");
    else if (!offen && r.anschluss.art == Anschlussart::Platine)
        // The board debounces and stamps on its own; its edges are in the signal log.
        ansicht.LaPort = QStringLiteral("Die Sensoren hängen an einer Platine (") + portfeld +
                         QStringLiteral("). Der Sensortest beobachtet die Leitungen CD und DSR; "
                                        "was die Platine meldet, zeigt das Signalprotokoll "
                                        "(--signal-log).");
    else if (!offen)
        ansicht.LaPort = QStringLiteral("Keine Schnittstelle geöffnet: die Sensoren lassen sich "
                                        "nicht beobachten. Mit \"COM ändern\" eine wählen.");
    else
        ansicht.LaPort = portfeld + QStringLiteral(" – Autos über die Sensoren fahren lassen.");

    const Prellzeiturteil urteil = prellzeitUrteilen(r.einstellungen.prellzeit, m_spuren);
    ansicht.urteil = urteil.art;
    ansicht.LaUrteil = urteil.text;
}
