#include "Ampel.h"

#include <stdexcept>

Reihe<Lampe, 5> ampelLampen(Ampel ampel) {
    using enum Lampe;
    switch (ampel) {
    case Ampel::Dunkel: return {Aus, Aus, Aus, Aus, Aus};
    case Ampel::Rot1: return {Rot, Aus, Aus, Aus, Aus};
    case Ampel::Rot2: return {Rot, Rot, Aus, Aus, Aus};
    case Ampel::Rot3: return {Rot, Rot, Rot, Aus, Aus};
    case Ampel::Rot4: return {Rot, Rot, Rot, Rot, Aus};
    case Ampel::Rot5: return {Rot, Rot, Rot, Rot, Rot};
    case Ampel::Gruen: return {Gruen, Gruen, Gruen, Gruen, Gruen};
    case Ampel::Gelb: return {Gelb, Gelb, Gelb, Gelb, Gelb};
    case Ampel::FliegenderStart: return {Gruen, Gelb, Gelb, Gelb, Gruen};
    }
    return {Aus, Aus, Aus, Aus, Aus};
}

Ampel roteLampen(int anzahl) {
    if (anzahl < 1 || anzahl > 5)
        throw std::out_of_range("roteLampen: 1 bis 5");
    return static_cast<Ampel>(static_cast<int>(Ampel::Dunkel) + anzahl);
}
