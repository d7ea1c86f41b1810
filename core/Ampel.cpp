#include "Ampel.h"

std::optional<Reihe<Lampe, 5>> ampelLampen(int zustand) {
    using enum Lampe;
    switch (zustand) {
    case 0: return Reihe<Lampe, 5>{Aus, Aus, Aus, Aus, Aus};
    case 1: return Reihe<Lampe, 5>{Rot, Aus, Aus, Aus, Aus};
    case 2: return Reihe<Lampe, 5>{Rot, Rot, Aus, Aus, Aus};
    case 3: return Reihe<Lampe, 5>{Rot, Rot, Rot, Aus, Aus};
    case 4: return Reihe<Lampe, 5>{Rot, Rot, Rot, Rot, Aus};
    case 5: return Reihe<Lampe, 5>{Rot, Rot, Rot, Rot, Rot};
    case 6: return Reihe<Lampe, 5>{Gruen, Gruen, Gruen, Gruen, Gruen};
    case 7: return Reihe<Lampe, 5>{Gelb, Gelb, Gelb, Gelb, Gelb};
    case 8: return Reihe<Lampe, 5>{Gruen, Gelb, Gelb, Gelb, Gruen};
    default: return std::nullopt;
    }
}
