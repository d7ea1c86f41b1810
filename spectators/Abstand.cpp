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

QString abstandstext::rueckstand(std::size_t ueberrundet, std::optional<double> abstand) {
    if (ueberrundet > 0)
        return runden(ueberrundet);
    if (abstand)
        return sekunden(*abstand);
    return {};
}

Abstaende abstandstext::zeitvergleich(const Spuren<double>& werte) {
    Abstaende a = Abstaende::keine(werte.anzahl());
    a.folge = folge(werte.anzahl(), [&](int x, int y) { return werte[x] < werte[y]; });
    a.vorn = a.folge.front();
    for (int spur : a.folge)
        if (spur != a.vorn)
            a.texte[spur] = sekunden(werte[spur] - werte[a.vorn]);
    return a;
}

Abstaende bestzeitabstaende(const Spuren<std::optional<double>>& beste) {
    Abstaende a = Abstaende::keine(beste.anzahl());
    a.folge = abstandstext::folge(beste.anzahl(), [&](int x, int y) {
        return beste[x] && (!beste[y] || *beste[x] < *beste[y]);
    });
    a.vorn = a.folge.front();
    if (!beste[a.vorn])
        return Abstaende::keine(beste.anzahl());
    for (int spur : a.folge)
        if (spur != a.vorn && beste[spur])
            a.texte[spur] = sekunden(*beste[spur] - *beste[a.vorn]);
    return a;
}

// "Rd.": the gap's field holds "+12 Rd.", not a distance with its three decimals.
Abstaende distanzabstaende(const Spuren<double>& distanzen,
                           const Spuren<std::optional<double>>& zeiten) {
    const auto zeitvergleich = [&](int x, int y) {
        return distanzen[x] == distanzen[y] && zeiten[x] && zeiten[y];
    };
    Abstaende a = Abstaende::keine(distanzen.anzahl());
    a.folge = abstandstext::folge(distanzen.anzahl(), [&](int x, int y) {
        if (zeitvergleich(x, y))
            return *zeiten[x] < *zeiten[y];
        return distanzen[x] > distanzen[y];
    });
    a.vorn = a.folge.front();
    for (int spur : a.folge) {
        if (spur == a.vorn)
            continue;
        a.texte[spur] =
            zeitvergleich(spur, a.vorn)
                ? sekunden(*zeiten[spur] - *zeiten[a.vorn])
                : QStringLiteral("+") +
                      Zahlenformat::ZahlFormatieren(distanzen[a.vorn] - distanzen[spur]) +
                      QStringLiteral(" Rd.");
    }
    return a;
}
