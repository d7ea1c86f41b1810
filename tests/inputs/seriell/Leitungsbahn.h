// A race engine with the sensor port's line handler, fed line changes at chosen seconds of
// the race, and the signal log it writes.
#pragma once

#include "Leitungsbehandlung.h"
#include "Rennbahn.h"

#include <cmath>

struct Leitungsbahn : Rennbahn {
    Leitungsbehandlung leitung{rennen};
    std::vector<Signaleintrag> protokoll;

    Leitungsbahn() {
        leitung.protokollieren([this](const Signaleintrag& e) { protokoll.push_back(e); });
    }

    static std::int64_t ms(double sekunden) { return Basis + std::llround(sekunden * 1000); }
    void cd(double sekunden, bool pegel = true) {
        leitung.leitungGeaendert({Leitung::CD, pegel, ms(sekunden)});
    }
    void dsr(double sekunden, bool pegel = false) {
        leitung.leitungGeaendert({Leitung::DSR, pegel, ms(sekunden)});
    }
    // A passage on a line that counts its drop: up, and down 20 ms later.
    void durchfahrt(Leitungsbehandlung& port, Leitung l, double sekunden) {
        port.leitungGeaendert({l, true, ms(sekunden - 0.02)});
        port.leitungGeaendert({l, false, ms(sekunden)});
    }
    QStringList ausgaenge() const {
        QStringList texte;
        for (const Signaleintrag& e : protokoll)
            texte << ausgangText(e.ausgang);
        return texte;
    }
};
