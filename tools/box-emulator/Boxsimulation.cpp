#include "Boxsimulation.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double Zeittakt = 0.1;
constexpr std::uint16_t Sensorfehler = 0x501;
} // namespace

Boxsimulation::Boxsimulation(const Simulationsparameter& parameter)
    : m_parameter(parameter), m_zufall(parameter.seed) {
    // The cars stand just behind the line and cross it soon after switch-on.
    std::uniform_real_distribution<double> anlauf(0.3, 0.8);
    for (double& durchfahrt : m_naechsteDurchfahrt)
        durchfahrt = anlauf(m_zufall);
}

std::uint32_t Boxsimulation::boxzeit(double sekunden) const {
    return m_parameter.uhrStart + static_cast<std::uint32_t>(std::llround(sekunden * 4800));
}

double Boxsimulation::naechsteRunde(int spurIndex) {
    const double mittel = m_parameter.rundenzeit * (spurIndex == 0 ? 1.0 : 1.03);
    std::normal_distribution<double> streuung(mittel, mittel * 0.04);
    return std::max(streuung(m_zufall), mittel * 0.5);
}

void Boxsimulation::senden(Sendung& sendung, const Boxprotokoll::Rahmen& rahmen) {
    const std::vector<std::uint8_t> bytes = Boxprotokoll::kodieren(rahmen);
    sendung.bytes.insert(sendung.bytes.end(), bytes.begin(), bytes.end());
    if (const auto* ereignis = std::get_if<Boxprotokoll::Ereignisrahmen>(&rahmen))
        sendung.ereignisse.push_back(*ereignis);
}

Sendung Boxsimulation::bis(double sekunden) {
    Sendung sendung;
    std::uniform_int_distribution<int> pegel(150, 255);
    std::uniform_int_distribution<int> dauer(8, 40);
    for (int spur = 0; spur < 2; ++spur) {
        for (double& t = m_naechsteDurchfahrt[static_cast<std::size_t>(spur)]; t <= sekunden;
             t += naechsteRunde(spur)) {
            senden(sendung, Boxprotokoll::Ereignisrahmen{
                                static_cast<std::uint16_t>(0x202 + spur), boxzeit(t),
                                static_cast<std::uint8_t>(pegel(m_zufall)),
                                static_cast<std::uint8_t>(dauer(m_zufall))});
        }
    }
    if (m_parameter.fehlerNach && !m_fehlerGesendet && *m_parameter.fehlerNach <= sekunden) {
        senden(sendung, Boxprotokoll::Ereignisrahmen{Sensorfehler, boxzeit(sekunden), 0, 0});
        m_fehlerGesendet = true;
    }
    if (m_parameter.stoerungen && m_naechsteStoerung <= sekunden) {
        std::uniform_int_distribution<int> byte(0, 255);
        std::uniform_int_distribution<int> anzahl(1, 6);
        for (int i = anzahl(m_zufall); i > 0; --i)
            sendung.bytes.push_back(static_cast<std::uint8_t>(byte(m_zufall)));
        m_naechsteStoerung = sekunden + std::uniform_real_distribution<double>(0.5, 3)(m_zufall);
    }
    if (m_naechsteZeit <= sekunden) {
        senden(sendung, Boxprotokoll::Zeitrahmen{boxzeit(sekunden)});
        while (m_naechsteZeit <= sekunden)
            m_naechsteZeit += Zeittakt;
    }
    return sendung;
}
