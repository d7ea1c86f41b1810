// A connection's place among those of Plaetze.h, held for as long as the connection lives.
// It moves with the connection from the HTTP request to the open page, so a connection
// that becomes a page keeps its place, and one that ends in either gives it back.
#pragma once

#include "Gemeinsam.h"
#include "Plaetze.h"

#include <memory>
#include <string>

class Platzmarke {
public:
    Platzmarke(std::shared_ptr<Gemeinsam> g, std::string absender, Plaetze::Inhaber& inhaber);
    ~Platzmarke();
    Platzmarke(Platzmarke&& andere) noexcept;
    Platzmarke& operator=(Platzmarke&&) = delete;

    void uebergeben(Plaetze::Inhaber& inhaber) { m_marke->inhaber = &inhaber; }
    // From now on the connection waits for its client.
    void wartet();
    // The client has taken everything.
    void bedient() { m_marke->wartetSeit.reset(); }
    Gemeinsam* operator->() const { return m_g.get(); }

private:
    std::shared_ptr<Gemeinsam> m_g;
    Plaetze::Marke m_marke;
};
