#include "Strafe.h"

#include <cmath>

bool strafwertZulaessig(Strafart art, double wert) {
    if (art == Strafart::Runden)
        return wert >= 1 && wert <= GroessteStrafrunden && wert == std::floor(wert);
    return wert >= KuerzesteStrafzeit && wert <= LaengsteStrafzeit;
}

double strafzeit(const std::vector<Strafe>& strafen, int spur) {
    double summe = 0;
    for (const Strafe& s : strafen)
        if (s.spur == spur && s.art == Strafart::Zeit)
            summe += s.wert;
    return summe;
}

std::int32_t strafrunden(const std::vector<Strafe>& strafen, int spur) {
    std::int32_t summe = 0;
    for (const Strafe& s : strafen)
        if (s.spur == spur && s.art == Strafart::Runden)
            summe += static_cast<std::int32_t>(s.wert);
    return summe;
}

QString fehlstartregelName(Fehlstartregel regel) {
    switch (regel) {
    case Fehlstartregel::Zeitstrafe: return QStringLiteral("Zeitstrafe");
    case Fehlstartregel::StopAndGo: return QStringLiteral("StopAndGo");
    case Fehlstartregel::Abbruch: break;
    }
    return QStringLiteral("Abbruch");
}

std::optional<Fehlstartregel> fehlstartregelLesen(const QString& name) {
    for (Fehlstartregel regel :
         {Fehlstartregel::Abbruch, Fehlstartregel::Zeitstrafe, Fehlstartregel::StopAndGo})
        if (name == fehlstartregelName(regel))
            return regel;
    return std::nullopt;
}
