// Writes Ctrl+1/Ctrl+2 into the signal log: a lap taken back stands among the raw signals
// that made it, and so does a key that found nothing to take back.
#pragma once

#include "Rennbeobachter.h"
#include "Signalausgang.h"

#include <functional>

class Streichvermerk final : public Rennbeobachter {
public:
    using Eintragen = std::function<void(const Signaleintrag&)>;
    explicit Streichvermerk(Eintragen eintragen) : m_eintragen(std::move(eintragen)) {}

    void rundeGestrichen(const Rennen& rennen, const Streichmeldung& meldung) override;

private:
    Eintragen m_eintragen;
};
