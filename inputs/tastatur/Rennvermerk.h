// Writes what the race itself adds to the signal log: Ctrl+1/Ctrl+2, so a lap taken back
// stands among the raw signals that made it (and so does a key that found none to take
// back), the green light, from which the race times of the signals after it run, and each
// track call with its cause and its end.
#pragma once

#include "Rennbeobachter.h"
#include "Signalausgang.h"

#include <functional>

class Rennvermerk final : public Rennbeobachter {
public:
    using Eintragen = std::function<void(const Signaleintrag&)>;
    explicit Rennvermerk(Eintragen eintragen) : m_eintragen(std::move(eintragen)) {}

    void ampelGesetzt(const Rennen& rennen, Ampel ampel) override;
    void rundeGestrichen(const Rennen& rennen, const Streichmeldung& meldung) override;
    void streckenrufBegonnen(const Rennen& rennen, const Streckenruf& ruf, int spur) override;
    void crashPause(const Rennen& rennen, bool an) override;

private:
    Eintragen m_eintragen;
};
