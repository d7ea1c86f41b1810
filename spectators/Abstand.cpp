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

// The lower value leads, lane 1 on equal ones; the other gets the difference.
Abstaende zeitvergleich(const Spuren<double>& werte) {
    Abstaende a;
    a.vorn = werte[1] <= werte[2] ? 1 : 2;
    const int hinten = andereSpur(a.vorn);
    a.texte[hinten] = sekunden(werte[hinten] - werte[a.vorn]);
    return a;
}
} // namespace

Abstaende rennabstaende(const Spuren<Durchfahrten>& d) {
    Abstaende a;
    if (d[1].empty() && d[2].empty())
        return a;
    a.vorn = fuehrende(d);
    const Durchfahrten& fuehrend = d[a.vorn];
    const Durchfahrten& hinten = d[andereSpur(a.vorn)];
    const std::size_t m = hinten.size();
    if (m == 0)
        return a;
    // Measured when the car behind crossed the line: how many laps the leader had then.
    const double t = hinten.back();
    const auto damals = static_cast<std::size_t>(
        std::upper_bound(fuehrend.begin(), fuehrend.end(), t) - fuehrend.begin());
    // Two laps more than the car behind now: lapped, whether or not it has crossed since.
    const std::size_t jetzt = fuehrend.size() >= m + 2 ? fuehrend.size() - m - 1 : 0;
    const std::size_t ueberrundet = std::max(damals > m ? damals - m : 0, jetzt);
    if (ueberrundet > 0)
        a.texte[andereSpur(a.vorn)] = runden(ueberrundet);
    else if (damals == m)
        a.texte[andereSpur(a.vorn)] = sekunden(t - fuehrend[m - 1]);
    return a;
}

Abstaende bestzeitabstaende(const Spuren<std::optional<double>>& beste) {
    if (!beste[1] && !beste[2])
        return {};
    if (!beste[1] || !beste[2])
        return {{}, beste[1] ? 1 : 2};
    return zeitvergleich({*beste[1], *beste[2]});
}

Abstaende gesamtabstaende(const Spuren<Durchfahrten>& d, const Spuren<double>& ersterLauf) {
    const std::size_t m = std::min(d[1].size(), d[2].size());
    Spuren<double> summen;
    for (int spur = 1; spur <= 2; ++spur)
        summen[spur] = ersterLauf[spur] + (m > 0 ? d[spur][m - 1] : 0.0);
    return zeitvergleich(summen);
}

// "Rd.": the gap's field holds "+12 Runden", not a distance with its three decimals.
Abstaende distanzabstaende(const Spuren<double>& distanzen,
                           const Spuren<std::optional<double>>& zeiten) {
    if (distanzen[1] == distanzen[2] && zeiten[1] && zeiten[2])
        return zeitvergleich({*zeiten[1], *zeiten[2]});
    Abstaende a;
    a.vorn = distanzen[1] >= distanzen[2] ? 1 : 2;
    const int hinten = andereSpur(a.vorn);
    a.texte[hinten] = QStringLiteral("+") +
                      Zahlenformat::ZahlFormatieren(distanzen[a.vorn] - distanzen[hinten]) +
                      QStringLiteral(" Rd.");
    return a;
}
