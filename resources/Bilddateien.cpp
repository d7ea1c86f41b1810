#include "Bilddateien.h"

QString bilddatei(Lampenbild bild) {
    const bool ampel = bild.satz == Lampensatz::Ampel;
    switch (bild.lampe) {
    case Lampe::Gruen:
        return ampel ? QStringLiteral(":/bilder/ampel-gruen.svg")
                     : QStringLiteral(":/bilder/kreis-gruen.svg");
    case Lampe::Aus:
        return ampel ? QStringLiteral(":/bilder/ampel-aus.svg")
                     : QStringLiteral(":/bilder/kreis-grau.svg");
    case Lampe::Rot:
        return ampel ? QStringLiteral(":/bilder/ampel-rot.svg")
                     : QStringLiteral(":/bilder/kreis-rot.svg");
    case Lampe::Gelb:
        return ampel ? QStringLiteral(":/bilder/ampel-gelb.svg")
                     : QStringLiteral(":/bilder/kreis-gelb.svg");
    }
    return {};
}

QString bilddatei(Pfeil pfeil) {
    switch (pfeil) {
    case Pfeil::Geradeaus: return QStringLiteral(":/bilder/pfeil-gerade.svg");
    case Pfeil::Links: return QStringLiteral(":/bilder/pfeil-links.svg");
    case Pfeil::Rechts: return QStringLiteral(":/bilder/pfeil-rechts.svg");
    }
    return {};
}
