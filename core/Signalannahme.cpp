#include "Signalannahme.h"

namespace {
// Signal times are whole ticks divided by 1000 or 4800, so a signal exactly one debounce
// time after the last can come out a rounding error short of it; equality must accept.
constexpr double Rundungsspiel = 1e-7;
} // namespace

QString ausgangText(Signalausgang ausgang) {
    switch (ausgang) {
    case Signalausgang::Angenommen: return QStringLiteral("angenommen");
    case Signalausgang::Geprellt: return QStringLiteral("geprellt");
    case Signalausgang::Gesperrt: return QStringLiteral("gesperrt");
    case Signalausgang::Fehlstart: return QStringLiteral("Fehlstart");
    case Signalausgang::Ignoriert: break;
    }
    return QStringLiteral("ignoriert");
}

Signalausgang signalAnnehmen(Rennzustand& rennen, int spur, double zeit) {
    if (rennen.SignaleGesperrt)
        return Signalausgang::Gesperrt;
    if (zeit - rennen.LetztesSignal[spur] < rennen.Prellzeit - Rundungsspiel)
        return Signalausgang::Geprellt;
    rennen.LetztesSignal[spur] = zeit;
    return rennen.RennenLaeuft ? Signalausgang::Angenommen : Signalausgang::Fehlstart;
}
