#include "Signalausgang.h"

QString ausgangText(Signalausgang ausgang) {
    switch (ausgang) {
    case Signalausgang::Angenommen: return QStringLiteral("angenommen");
    case Signalausgang::Geprellt: return QStringLiteral("geprellt");
    case Signalausgang::Gesperrt: return QStringLiteral("gesperrt");
    case Signalausgang::Fehlstart: return QStringLiteral("Fehlstart");
    case Signalausgang::Gestrichen: return QStringLiteral("gestrichen");
    case Signalausgang::KeineSpur: return QStringLiteral("keine Spur der Bahn");
    case Signalausgang::FreieSpur: return QStringLiteral("Spur frei");
    case Signalausgang::StopAndGo: return QStringLiteral("Stop and go");
    case Signalausgang::Ignoriert: break;
    }
    return QStringLiteral("ignoriert");
}
