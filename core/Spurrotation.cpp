#include "Spurrotation.h"

#include <algorithm>

Spurrotation::Spurrotation(const Renneinstellungen& e) {
    for (int spur = 1; spur <= e.spuranzahl; ++spur)
        if (!e.spurFrei(spur))
            m_spuren.push_back(spur);
}

bool Spurrotation::mitAuto(int spur) const {
    return std::ranges::find(m_spuren, spur) != m_spuren.end();
}

int Spurrotation::verschoben(int spur, int schritte) const {
    const auto stelle = std::ranges::find(m_spuren, spur);
    if (stelle == m_spuren.end())
        return spur;
    const int n = laeufe();
    const int i = static_cast<int>(stelle - m_spuren.begin());
    return m_spuren[static_cast<std::size_t>(((i + schritte) % n + n) % n)];
}

int Spurrotation::spurImLauf(int ersteSpur, int lauf) const {
    return verschoben(ersteSpur, lauf);
}

int Spurrotation::ersteSpur(int spur, int lauf) const {
    return verschoben(spur, -lauf);
}
