#include "Plaetze.h"

#include <algorithm>
#include <map>

Plaetze::Marke Plaetze::belegen(std::string absender, Inhaber& inhaber, Zeit jetzt) {
    const Marke neu =
        m_plaetze.insert(m_plaetze.end(), Platz{std::move(absender), &inhaber, jetzt, jetzt});
    if (belegtVon(neu->absender) > MaxJeAdresse)
        weichenLassen(neu, [&](const Platz& p) { return p.absender == neu->absender; });
    else if (belegt() > MaxVerbindungen)
        weichenLassen(neu, [](const Platz&) { return true; });
    return neu;
}

void Plaetze::freigeben(Marke marke) {
    m_plaetze.erase(marke);
}

void Plaetze::raeumenWartendSeit(Zeit grenze) {
    for (Platz& p : m_plaetze)
        if (!p.geraeumt && p.wartetSeit && *p.wartetSeit < grenze) {
            p.geraeumt = true;
            p.inhaber->raeumen();
        }
}

int Plaetze::belegt() const {
    return static_cast<int>(std::count_if(m_plaetze.begin(), m_plaetze.end(),
                                          [](const Platz& p) { return !p.geraeumt; }));
}

int Plaetze::belegtVon(const std::string& absender) const {
    return static_cast<int>(std::count_if(m_plaetze.begin(), m_plaetze.end(), [&](const Platz& p) {
        return !p.geraeumt && p.absender == absender;
    }));
}

template <typename Auswahl> void Plaetze::weichenLassen(Marke neu, Auswahl zaehlt) {
    const auto kandidat = [&](const Platz& p) { return &p != &*neu && !p.geraeumt && zaehlt(p); };
    Platz* wahl = nullptr;
    for (Platz& p : m_plaetze)
        if (kandidat(p) && p.wartetSeit && (!wahl || *p.wartetSeit < *wahl->wartetSeit))
            wahl = &p;
    if (!wahl) {
        // No one idles: every one is a page that follows the race. The youngest has the
        // least to lose, and one who opens page after page pushes out only its own.
        std::map<std::string, int> jeAbsender;
        for (const Platz& p : m_plaetze)
            if (kandidat(p))
                ++jeAbsender[p.absender];
        const auto meiste =
            std::max_element(jeAbsender.begin(), jeAbsender.end(),
                             [](const auto& a, const auto& b) { return a.second < b.second; });
        for (Platz& p : m_plaetze)
            if (meiste != jeAbsender.end() && kandidat(p) && p.absender == meiste->first &&
                (!wahl || p.begonnen >= wahl->begonnen))
                wahl = &p;
    }
    if (wahl) {
        wahl->geraeumt = true;
        wahl->inhaber->raeumen();
    }
}

std::string absenderVon(const boost::asio::ip::address& adresse) {
    if (adresse.is_v4())
        return adresse.to_string();
    const boost::asio::ip::address_v6 v6 = adresse.to_v6();
    if (v6.is_v4_mapped())
        return boost::asio::ip::make_address_v4(boost::asio::ip::v4_mapped, v6).to_string();
    boost::asio::ip::address_v6::bytes_type netz = v6.to_bytes();
    std::fill(netz.begin() + 8, netz.end(), 0);
    return boost::asio::ip::address_v6(netz).to_string() + "/64";
}
