#include "Hauptlaeufe.h"

#include <algorithm>
#include <numeric>

namespace {

// How many seeded drivers each main takes, the A main first.
std::vector<int> hauptlaufgroessen(int fahrer, int spurenzahl, bool aufsteiger) {
    const int je = aufsteiger ? spurenzahl - 1 : spurenzahl;
    std::vector<int> groessen;
    for (int rest = fahrer; rest > 0; rest -= groessen.back())
        groessen.push_back(std::min(rest, je));
    // A driver alone has nobody to race: he joins the main above when it has a lane for him
    // there, which it has when its last lane was the bump-up's seat (it is the lowest now).
    if (groessen.size() > 1 && groessen.back() == 1 &&
        groessen[groessen.size() - 2] + 1 <= spurenzahl) {
        groessen.pop_back();
        ++groessen.back();
    }
    return groessen;
}

} // namespace

// "A" to "Z", then "AA", "AB", … as a spreadsheet counts its columns: two lanes with bump-ups
// give a main to nearly every driver.
QString hauptlaufName(std::size_t index) {
    QString name;
    for (std::size_t n = index + 1; n > 0; n = (n - 1) / 26)
        name.prepend(QChar(u'A' + static_cast<char16_t>((n - 1) % 26)));
    return name;
}

std::vector<std::size_t> Hauptlaufeinteilung::fahrfolge() const {
    std::vector<std::size_t> folge(laeufe.size());
    std::iota(folge.begin(), folge.end(), std::size_t{0});
    if (aufsteiger)
        std::reverse(folge.begin(), folge.end());
    return folge;
}

Hauptlaufeinteilung hauptlaeufe(const QStringList& startaufstellung, int spurenzahl,
                                bool aufsteiger) {
    Hauptlaufeinteilung einteilung;
    einteilung.aufsteiger = aufsteiger;
    const std::vector<int> groessen =
        hauptlaufgroessen(static_cast<int>(startaufstellung.size()), spurenzahl, aufsteiger);
    qsizetype naechster = 0;
    for (std::size_t i = 0; i < groessen.size(); ++i) {
        Hauptlauf lauf;
        lauf.name = hauptlaufName(i);
        lauf.fahrer = startaufstellung.mid(naechster, groessen[i]);
        lauf.aufsteigerplatz = aufsteiger && i + 1 < groessen.size();
        naechster += groessen[i];
        einteilung.laeufe.push_back(lauf);
    }
    return einteilung;
}

Rennplan hauptlaufPlan(const Hauptlauf& lauf, int spurenzahl, Hauptlaufmodus modus,
                       const QString& aufsteiger) {
    Rennplan plan;
    if (modus == Hauptlaufmodus::Rotation) {
        QStringList fahrer = lauf.fahrer;
        if (lauf.aufsteigerplatz && !aufsteiger.isEmpty())
            fahrer << aufsteiger;
        for (const Laufbelegung& belegung : rotationsplan(fahrer, spurenzahl))
            plan.push_back(Paarung::aus(belegung));
        return plan;
    }
    Laufbelegung belegung = Laufbelegung::fuer(spurenzahl);
    for (qsizetype i = 0; i < lauf.fahrer.size() && i < spurenzahl; ++i)
        belegung[static_cast<int>(i) + 1] = lauf.fahrer[i];
    if (lauf.aufsteigerplatz)
        belegung[spurenzahl] = aufsteiger;
    plan.push_back(Paarung::aus(belegung));
    return plan;
}
