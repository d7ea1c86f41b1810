#include "Zuschaueruhr.h"

#include <algorithm>
#include <cmath>
#include <utility>

void Zuschaueruhr::gruen() {
    if (!m_gruen)
        m_gruen = m_uhr.ticks();
}

void Zuschaueruhr::pause(bool an) {
    if (an && m_gruen && !m_pauseSeit)
        m_pauseSeit = m_uhr.ticks();
    else if (!an && m_pauseSeit)
        m_pausiert += m_uhr.ticks() - *std::exchange(m_pauseSeit, std::nullopt);
}

void Zuschaueruhr::anhalten(std::optional<double> sekunden) {
    if (m_gruen && !m_schluss)
        m_schluss = sekunden ? *sekunden : this->sekunden();
}

void Zuschaueruhr::loeschen() {
    m_gruen.reset();
    m_pausiert = 0;
    m_pauseSeit.reset();
    m_schluss.reset();
}

double Zuschaueruhr::sekunden() const {
    if (m_schluss)
        return *m_schluss;
    const std::int64_t bis = m_pauseSeit.value_or(m_uhr.ticks());
    return double(bis - m_gruen.value_or(bis) - m_pausiert) / m_uhr.ticksProSekunde();
}

QString Zuschaueruhr::text() const {
    const auto zehntel = static_cast<long long>(std::floor(std::max(0.0, sekunden()) * 10 + 1e-6));
    return QStringLiteral("%1:%2,%3")
        .arg(zehntel / 600)
        .arg(zehntel % 600 / 10, 2, 10, QLatin1Char('0'))
        .arg(zehntel % 10);
}
