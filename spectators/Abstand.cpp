#include "Abstand.h"

#include "Zahlenformat.h"

namespace {
QString sekunden(double wert) {
    return QStringLiteral("+") + Zahlenformat::ZahlFormatieren(wert) + QStringLiteral(" s");
}

QString runden(std::size_t anzahl) {
    return QStringLiteral("+%1 ").arg(anzahl) +
           (anzahl == 1 ? QStringLiteral("Runde") : QStringLiteral("Runden"));
}
} // namespace

Abstaende abstandstext::rueckstand(int vorn, std::size_t ueberrundet,
                                   std::optional<double> abstand) {
    Abstaende a;
    a.vorn = vorn;
    if (ueberrundet > 0)
        a.texte[andereSpur(vorn)] = runden(ueberrundet);
    else if (abstand)
        a.texte[andereSpur(vorn)] = sekunden(*abstand);
    return a;
}

Abstaende abstandstext::zeitvergleich(const Spuren<double>& werte) {
    Abstaende a;
    a.vorn = werte[1] <= werte[2] ? 1 : 2;
    const int hinten = andereSpur(a.vorn);
    a.texte[hinten] = sekunden(werte[hinten] - werte[a.vorn]);
    return a;
}

Abstaende bestzeitabstaende(const Spuren<std::optional<double>>& beste) {
    if (!beste[1] && !beste[2])
        return {};
    if (!beste[1] || !beste[2])
        return {{}, beste[1] ? 1 : 2};
    return abstandstext::zeitvergleich({*beste[1], *beste[2]});
}

// "Rd.": the gap's field holds "+12 Runden", not a distance with its three decimals.
Abstaende distanzabstaende(const Spuren<double>& distanzen,
                           const Spuren<std::optional<double>>& zeiten) {
    if (distanzen[1] == distanzen[2] && zeiten[1] && zeiten[2])
        return abstandstext::zeitvergleich({*zeiten[1], *zeiten[2]});
    Abstaende a;
    a.vorn = distanzen[1] >= distanzen[2] ? 1 : 2;
    const int hinten = andereSpur(a.vorn);
    a.texte[hinten] = QStringLiteral("+") +
                      Zahlenformat::ZahlFormatieren(distanzen[a.vorn] - distanzen[hinten]) +
                      QStringLiteral(" Rd.");
    return a;
}
