#include "Sensorspur.h"

#include <algorithm>

void Sensorspur::flanke(std::int64_t zeit, bool pegel, bool zaehlt) {
    m_pegel = pegel;
    ++m_flanken;
    const bool neuesBuendel = !m_letzte || zeit - *m_letzte > Buendelpause;
    if (neuesBuendel) {
        m_prellabstand.reset();
        if (m_buendelSignal)
            m_vorigesSignal = m_buendelSignal;
        m_buendelSignal.reset();
    } else {
        const std::int64_t abstand = zeit - *m_letzte;
        m_prellabstand = m_prellabstand ? std::min(*m_prellabstand, abstand) : abstand;
    }
    m_letzte = zeit;
    if (!zaehlt)
        return;
    if (!m_buendelSignal) {
        m_buendelSignal = zeit;
        if (m_vorigesSignal) {
            m_rundenzeit = zeit - *m_vorigesSignal;
            m_kuerzesteRunde = std::min(m_kuerzesteRunde.value_or(*m_rundenzeit), *m_rundenzeit);
        }
        return;
    }
    const std::int64_t prellen = zeit - *m_buendelSignal;
    m_laengstesPrellen = std::max(m_laengstesPrellen.value_or(0), prellen);
}
