#include "Abstand.h"

#include "Zahlenformat.h"

#include <algorithm>

namespace {
QString sekunden(double wert) {
    return QStringLiteral("+") + Zahlenformat::ZahlFormatieren(wert) + QStringLiteral(" s");
}

QString runden(std::size_t anzahl) {
    return QStringLiteral("+%1 ").arg(anzahl) +
           (anzahl == 1 ? QStringLiteral("Runde") : QStringLiteral("Runden"));
}

// More laps lead; with as many laps, the earlier at the line.
int fuehrende(const Spuren<Durchfahrten>& d) {
    if (d[1].size() != d[2].size())
        return d[1].size() > d[2].size() ? 1 : 2;
    return d[2].empty() || d[1].back() <= d[2].back() ? 1 : 2;
}
} // namespace

Spuren<QString> rennabstaende(const Spuren<Durchfahrten>& d) {
    Spuren<QString> texte;
    const int vorn = fuehrende(d);
    const Durchfahrten& fuehrend = d[vorn];
    const Durchfahrten& hinten = d[andereSpur(vorn)];
    const std::size_t m = hinten.size();
    if (m == 0)
        return texte;
    // Measured when the car behind crossed the line: how many laps the leader had then.
    const double t = hinten.back();
    const auto damals = static_cast<std::size_t>(
        std::upper_bound(fuehrend.begin(), fuehrend.end(), t) - fuehrend.begin());
    // Two laps more than the car behind now: lapped, whether or not it has crossed since.
    const std::size_t jetzt = fuehrend.size() >= m + 2 ? fuehrend.size() - m - 1 : 0;
    const std::size_t ueberrundet = std::max(damals > m ? damals - m : 0, jetzt);
    if (ueberrundet > 0)
        texte[andereSpur(vorn)] = runden(ueberrundet);
    else if (damals == m)
        texte[andereSpur(vorn)] = sekunden(t - fuehrend[m - 1]);
    return texte;
}

Spuren<QString> bestzeitabstaende(const Spuren<std::optional<double>>& beste) {
    Spuren<QString> texte;
    if (!beste[1] || !beste[2])
        return texte;
    const int hinten = *beste[2] < *beste[1] ? 1 : 2;
    texte[hinten] = sekunden(*beste[hinten] - *beste[andereSpur(hinten)]);
    return texte;
}
