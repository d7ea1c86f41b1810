#include "Abendrennformat.h"

#include "Rennaufzeichnung.h"
#include "Renneinstellungen.h"

namespace {
Abendrennformat nurWasZaehlt(Rennlaenge art, std::int32_t rundenzahl, std::int32_t renndauer,
                             Zielregel zielregel) {
    Abendrennformat f;
    f.rennart = art;
    if (f.nachZeit()) {
        f.renndauer = renndauer;
        f.zielregel = zielregel;
    } else {
        f.rundenzahl = rundenzahl;
    }
    return f;
}
} // namespace

Abendrennformat abendrennformatVon(const Renneinstellungen& e) {
    return nurWasZaehlt(e.rennart, e.rundenzahl, e.renndauer, e.zielregel);
}

Abendrennformat abendrennformatVon(const Rennaufzeichnung& r) {
    return nurWasZaehlt(r.rennart, r.rundenzahl, r.renndauer, r.zielregel);
}

void abendrennformatEinsetzen(const Abendrennformat& f, Renneinstellungen& e) {
    e.rennart = f.rennart;
    if (f.nachZeit()) {
        e.renndauer = f.renndauer;
        e.zielregel = f.zielregel;
    } else {
        e.rundenzahl = f.rundenzahl;
    }
}
