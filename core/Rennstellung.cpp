#include "Rennstellung.h"

#include "Distanz.h"
#include "Zahlenformat.h"

#include <algorithm>
#include <iterator>

using Zahlenformat::ZahlFormatieren;

namespace {
QString sekunden(double wert) {
    return QStringLiteral("+") + ZahlFormatieren(wert) + QStringLiteral(" s");
}

QString runden(std::size_t anzahl) {
    return QStringLiteral("+%1 ").arg(anzahl) +
           (anzahl == 1 ? QStringLiteral("Runde") : QStringLiteral("Runden"));
}

// How far a lane has come as the race knows it without a clock: its laps, and once home in a
// race by time the distance its finish gave it.
double gefahren(const Spurstand& s, bool nachZeit) {
    return nachZeit && s.fertig ? s.distanz : static_cast<double>(s.runden.size());
}

// The gap of `hinten` to `vorn`, both with at least one lap: measured when `hinten` last
// crossed the line, against the laps `vorn` had by then.
QString rueckstand(const Spurstand& vorn, const Spurstand& hinten) {
    const std::size_t m = hinten.runden.size();
    const double t = hinten.runden.back().rennzeit;
    const auto bisDahin =
        std::partition_point(vorn.runden.begin(), vorn.runden.end(),
                             [t](const Rundenwert& runde) { return runde.rennzeit <= t; });
    const auto damals = static_cast<std::size_t>(bisDahin - vorn.runden.begin());
    // Two laps more than the lane behind now: lapped, whether or not it has crossed since.
    const std::size_t jetzt = vorn.runden.size() >= m + 2 ? vorn.runden.size() - m - 1 : 0;
    const std::size_t ueberrundet = std::max(damals > m ? damals - m : 0, jetzt);
    if (ueberrundet > 0)
        return runden(ueberrundet);
    if (damals == m)
        return sekunden(t - vorn.runden[m - 1].rennzeit);
    return {};
}

// By laps, lanes home with as many laps stand in the order the race took them home, the
// result's, even where a clock of the sensors stamped two finishes the other way; a lane still
// out keeps its place among them.
void heimkehrFolgen(std::vector<int>& folge, const Spuren<double>& distanzen,
                    const std::vector<int>& zieleinlauf) {
    const auto heim = [&](int spur) {
        return std::find(zieleinlauf.begin(), zieleinlauf.end(), spur) - zieleinlauf.begin();
    };
    const auto istHeim = [&](int spur) { return heim(spur) < std::ssize(zieleinlauf); };
    for (auto anfang = folge.begin(); anfang != folge.end();) {
        const auto ende = std::find_if(
            anfang, folge.end(), [&](int spur) { return distanzen[spur] != distanzen[*anfang]; });
        std::vector<int> heimgekehrt;
        std::copy_if(anfang, ende, std::back_inserter(heimgekehrt), istHeim);
        std::sort(heimgekehrt.begin(), heimgekehrt.end(),
                  [&](int a, int b) { return heim(a) < heim(b); });
        auto naechste = heimgekehrt.begin();
        for (auto platz = anfang; platz != ende; ++platz)
            if (istHeim(*platz))
                *platz = *naechste++;
        anfang = ende;
    }
}

Spuren<Spurstellung> training(const Spuren<Spurstand>& spuren) {
    auto stellung = Spuren<Spurstellung>::fuer(spuren.anzahl());
    std::vector<int> folge;
    for (int spur = 1; spur <= spuren.anzahl(); ++spur)
        if (spuren[spur].schnellsteRundenzeit)
            folge.push_back(spur);
    std::stable_sort(folge.begin(), folge.end(), [&](int a, int b) {
        return *spuren[a].schnellsteRundenzeit < *spuren[b].schnellsteRundenzeit;
    });
    for (std::size_t i = 0; i < folge.size(); ++i) {
        stellung[folge[i]].platz = static_cast<int>(i) + 1;
        if (i > 0)
            stellung[folge[i]].abstand = sekunden(*spuren[folge[i]].schnellsteRundenzeit -
                                                  *spuren[folge[0]].schnellsteRundenzeit);
    }
    return stellung;
}
} // namespace

Spuren<Spurstellung> rennstellung(const Rennstand& r) {
    const Spuren<Spurstand>& spuren = r.spuren;
    if (!r.einstellungen.rennmodus)
        return training(spuren);
    const bool nachZeit = r.einstellungen.rennart == Rennlaenge::Zeit;
    auto stellung = Spuren<Spurstellung>::fuer(spuren.anzahl());
    auto distanzen = Spuren<double>::fuer(spuren.anzahl());
    for (int spur = 1; spur <= spuren.anzahl(); ++spur)
        distanzen[spur] = gefahren(spuren[spur], nachZeit);
    std::vector<int> folge = reihenfolge(spuren, distanzen);
    if (!nachZeit)
        heimkehrFolgen(folge, distanzen, r.zieleinlauf);
    int vorn = 0;
    int platz = 0;
    for (int spur : folge) {
        const Spurstand& s = spuren[spur];
        // A lane without a car takes no place.
        if (s.runden.empty() || r.einstellungen.spurFrei(spur))
            continue;
        stellung[spur].platz = ++platz;
        if (vorn == 0) {
            vorn = spur;
            continue;
        }
        // Home by time, the distances their finish gave them tell the gap; as far as the
        // leader, the time at the line does.
        const bool nachDistanz =
            nachZeit && s.fertig && spuren[vorn].fertig && distanzen[spur] != distanzen[vorn];
        stellung[spur].abstand =
            nachDistanz ? QStringLiteral("+") + ZahlFormatieren(distanzen[vorn] - distanzen[spur]) +
                              QStringLiteral(" Rd.")
                        : rueckstand(spuren[vorn], s);
    }
    return stellung;
}
