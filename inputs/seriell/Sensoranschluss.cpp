#include "Sensoranschluss.h"

#include "Platinenprotokoll.h"

Sensoranschluss::Sensoranschluss(SeriellerAnschluss& leitungen,
                                 SerielleSchnittstelle& leitungsausgang, Datenleitung& platine,
                                 Platinenempfang& empfang)
    : m_leitungen(leitungen), m_leitungsausgang(leitungsausgang), m_platine(platine),
      m_empfang(empfang) {
    m_frage.setInterval(FrageabstandMs);
    QObject::connect(&m_frage, &QTimer::timeout, [this] { weiterfragen(); });
    m_platine.beiEmpfang([this](const QByteArray& bytes) { m_empfang.empfangen(bytes); });
    m_empfang.beiHallo([this](bool verstanden) { hallo(verstanden); });
    m_platine.beiStoerung([this](Stoerung s) {
        m_frage.stop();
        stoerungMelden(s);
    });
    m_leitungen.beiStoerung([this](Stoerung s) { stoerungMelden(s); });
}

bool Sensoranschluss::oeffnen(const QString& geraet) {
    schliessen();
    if (!m_platine.oeffnen(geraet))
        return false;
    m_geraet = geraet;
    m_empfang.portGeoeffnet();
    m_gefragt = 0;
    fragen();
    m_frage.start();
    return true;
}

void Sensoranschluss::schliessen() {
    m_frage.stop();
    m_platine.schliessen();
    m_leitungen.schliessen();
}

void Sensoranschluss::weiterfragen() {
    if (!m_platine.istOffen() || m_empfang.erkannt()) {
        m_frage.stop();
        return;
    }
    if (m_gefragt < Fragen) {
        fragen();
        return;
    }
    // Nobody answered: plain sensors on the modem lines.
    m_frage.stop();
    m_platine.schliessen();
    m_empfang.ohnePlatine();
    if (!m_leitungen.oeffnen(m_geraet))
        stoerungMelden(Stoerung::Getrennt);
    else
        leitungenMelden();
}

void Sensoranschluss::fragen() {
    ++m_gefragt;
    const std::vector<std::uint8_t> anfrage = Platinenprotokoll::halloAnfrage();
    m_platine.senden(QByteArray(reinterpret_cast<const char*>(anfrage.data()),
                                static_cast<qsizetype>(anfrage.size())));
}

void Sensoranschluss::hallo(bool verstanden) {
    m_frage.stop();
    if (verstanden)
        return;
    m_platine.schliessen();
    stoerungMelden(Stoerung::FremdeFirmware);
}
