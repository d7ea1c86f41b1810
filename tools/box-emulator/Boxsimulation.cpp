#include "Boxsimulation.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double Zeittakt = 0.1;
constexpr std::uint16_t Sensorfehler = 0x501;
// One start bit, eight data bits, one stop bit at 4800 baud.
constexpr double Bytedauer = 10.0 / 4800;
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

void Boxsimulation::senden(std::vector<Sendung>& sendungen, double faellig,
                           const std::vector<std::uint8_t>& bytes,
                           std::optional<Boxprotokoll::Ereignisrahmen> ereignis) {
    m_leitungFrei =
        std::max(faellig, m_leitungFrei) + Bytedauer * static_cast<double>(bytes.size());
    sendungen.push_back({m_leitungFrei, bytes, ereignis});
}

std::vector<Sendung> Boxsimulation::bis(double sekunden) {
    std::vector<Sendung> sendungen;
    std::uniform_int_distribution<int> pegel(150, 255);
    std::uniform_int_distribution<int> dauer(8, 40);
    // Due frames in the order they fell due; a passage is stamped when the car passed.
    for (;;) {
        const auto spur = static_cast<std::size_t>(
            std::min_element(m_naechsteDurchfahrt.begin(), m_naechsteDurchfahrt.end()) -
            m_naechsteDurchfahrt.begin());
        const double durchfahrt = m_naechsteDurchfahrt[spur];
        const double naechstes = std::min(durchfahrt, m_naechsteZeit);
        if (naechstes > sekunden)
            break;
        if (durchfahrt <= m_naechsteZeit) {
            const Boxprotokoll::Ereignisrahmen ereignis{static_cast<std::uint16_t>(0x202 + spur),
                                                        boxzeit(durchfahrt),
                                                        static_cast<std::uint8_t>(pegel(m_zufall)),
                                                        static_cast<std::uint8_t>(dauer(m_zufall))};
            senden(sendungen, durchfahrt, Boxprotokoll::kodieren(ereignis), ereignis);
            m_naechsteDurchfahrt[spur] += naechsteRunde(static_cast<int>(spur));
        } else {
            // The clock as the frame's first byte leaves, which may be after it fell due
            // when the line is still busy.
            const double abfahrt = std::max(m_naechsteZeit, m_leitungFrei);
            senden(sendungen, abfahrt,
                   Boxprotokoll::kodieren(Boxprotokoll::Zeitrahmen{boxzeit(abfahrt)}));
            // A box held up (the emulator not scheduled for a while) skips the frames it
            // missed rather than sending them all at once.
            do
                m_naechsteZeit += Zeittakt;
            while (m_naechsteZeit <= sekunden);
        }
    }
    if (m_parameter.fehlerNach && !m_fehlerGesendet && *m_parameter.fehlerNach <= sekunden) {
        const Boxprotokoll::Ereignisrahmen fehler{Sensorfehler, boxzeit(sekunden), 0, 0};
        senden(sendungen, sekunden, Boxprotokoll::kodieren(fehler), fehler);
        m_fehlerGesendet = true;
    }
    if (m_parameter.stoerungen && m_naechsteStoerung <= sekunden) {
        std::uniform_int_distribution<int> byte(0, 255);
        std::vector<std::uint8_t> muell(std::uniform_int_distribution<std::size_t>(1, 6)(m_zufall));
        for (std::uint8_t& b : muell)
            b = static_cast<std::uint8_t>(byte(m_zufall));
        senden(sendungen, sekunden, muell);
        m_naechsteStoerung = sekunden + std::uniform_real_distribution<double>(0.5, 3)(m_zufall);
    }
    return sendungen;
}
