#include "Rennformat.h"

QString rennartName(Rennlaenge art) {
    return art == Rennlaenge::Zeit ? QStringLiteral("Zeit") : QStringLiteral("Runden");
}

std::optional<Rennlaenge> rennartLesen(const QString& name) {
    for (Rennlaenge art : {Rennlaenge::Runden, Rennlaenge::Zeit})
        if (name == rennartName(art))
            return art;
    return std::nullopt;
}

QString zielregelName(Zielregel regel) {
    switch (regel) {
    case Zielregel::Sofort: return QStringLiteral("Sofort");
    case Zielregel::FuehrenderBeendet: return QStringLiteral("FuehrenderBeendet");
    case Zielregel::RundeBeenden: break;
    }
    return QStringLiteral("RundeBeenden");
}

std::optional<Zielregel> zielregelLesen(const QString& name) {
    for (Zielregel regel :
         {Zielregel::Sofort, Zielregel::RundeBeenden, Zielregel::FuehrenderBeendet})
        if (name == zielregelName(regel))
            return regel;
    return std::nullopt;
}
