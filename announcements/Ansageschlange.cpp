#include "Ansageschlange.h"

#include <algorithm>

std::optional<Ansage> Ansageschlange::einreihen(Ansage ansage) {
    std::optional<Ansage> verdraengt;
    if (ansage.fach != Ansagefach::Bleibt) {
        const auto alt = std::find_if(m_wartend.begin(), m_wartend.end(),
                                      [&](const Ansage& a) { return a.fach == ansage.fach; });
        if (alt != m_wartend.end()) {
            verdraengt = std::move(*alt);
            m_wartend.erase(alt);
        }
    }
    m_wartend.push_back(std::move(ansage));
    return verdraengt;
}

std::optional<Ansage> Ansageschlange::naechste() {
    if (m_wartend.empty())
        return std::nullopt;
    auto gewaehlt = std::find_if(m_wartend.begin(), m_wartend.end(),
                                 [](const Ansage& a) { return a.dringend; });
    if (gewaehlt == m_wartend.end())
        gewaehlt = m_wartend.begin();
    Ansage ansage = std::move(*gewaehlt);
    m_wartend.erase(gewaehlt);
    return ansage;
}

std::vector<Ansage> Ansageschlange::verwerfen(Auswahl auswahl) {
    std::vector<Ansage> verworfen;
    const auto trifft = [&](const Ansage& a) {
        return auswahl == Auswahl::Alle || a.fach != Ansagefach::Bleibt;
    };
    for (auto it = m_wartend.begin(); it != m_wartend.end();) {
        if (trifft(*it)) {
            verworfen.push_back(std::move(*it));
            it = m_wartend.erase(it);
        } else {
            ++it;
        }
    }
    return verworfen;
}
