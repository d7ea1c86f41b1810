#include "Platzmarke.h"

#include <chrono>

Platzmarke::Platzmarke(std::shared_ptr<Gemeinsam> g, std::string absender,
                       Plaetze::Inhaber& inhaber)
    : m_g(std::move(g)), m_marke(m_g->plaetze.belegen(std::move(absender), inhaber,
                                                      std::chrono::steady_clock::now())) {}

Platzmarke::~Platzmarke() {
    if (m_g)
        m_g->plaetze.freigeben(m_marke);
}

Platzmarke::Platzmarke(Platzmarke&& andere) noexcept
    : m_g(std::move(andere.m_g)), m_marke(andere.m_marke) {}

void Platzmarke::wartet() {
    m_marke->wartetSeit = std::chrono::steady_clock::now();
}
