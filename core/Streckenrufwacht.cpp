#include "Streckenrufwacht.h"

#include "Rennen.h"

#include <algorithm>
#include <cmath>

double medianRunde(const std::vector<Rundenwert>& runden) {
    if (runden.empty())
        return 0;
    std::vector<double> zeiten;
    zeiten.reserve(runden.size());
    for (const Rundenwert& r : runden)
        zeiten.push_back(r.zeit);
    const std::size_t mitte = zeiten.size() / 2;
    std::nth_element(zeiten.begin(), zeiten.begin() + std::ptrdiff_t(mitte), zeiten.end());
    const double oben = zeiten[mitte];
    if (zeiten.size() % 2 == 1)
        return oben;
    const double unten = *std::max_element(zeiten.begin(), zeiten.begin() + std::ptrdiff_t(mitte));
    return (unten + oben) / 2;
}

std::optional<Ueberfaelligkeit> naechsteUeberfaelligkeit(const Rennstand& r, int faktor) {
    if (!r.gestartet || r.crashPause || !rennuhrAn(r))
        return std::nullopt;
    // After a track call every lane's time runs anew: the race clock stood still meanwhile,
    // so the lane that was overdue would be so again at once.
    const double fortgesetzt = r.streckenrufe.empty() ? 0 : r.streckenrufe.back().beginn;
    std::optional<Ueberfaelligkeit> erste;
    for (int spur = 1; spur <= r.spuren.anzahl(); ++spur) {
        const Spurstand& s = r.spuren[spur];
        if (r.einstellungen.spurFrei(spur) || s.fertig || s.runden.size() < 3 ||
            s.stopAndGoOffen > 0)
            continue;
        const double ab = std::max({s.rundenbeginn, s.stopAndGoBis.value_or(0), fortgesetzt});
        const double rennzeit = ab + faktor * medianRunde(s.runden);
        if (!erste || rennzeit < erste->rennzeit)
            erste = Ueberfaelligkeit{spur, rennzeit};
    }
    return erste;
}

std::optional<Ueberfaelligkeit> Streckenrufwacht::faellig(const Rennen& rennen) const {
    if (!rennen.einstellungen().streckenrufautomatik)
        return std::nullopt;
    return naechsteUeberfaelligkeit(rennen.stand(), rennen.einstellungen().streckenruffaktor);
}

void Streckenrufwacht::stellen(const Rennen& rennen) {
    const std::optional<Ueberfaelligkeit> f = faellig(rennen);
    if (!f) {
        m_wecker.abstellen();
        return;
    }
    const double bisDahin = f->rennzeit - m_rennuhr();
    m_wecker.stellen(std::max<std::int64_t>(0, std::int64_t(std::ceil(bisDahin * 1000))));
}

void Streckenrufwacht::wecken(const Rennen& rennen) {
    const std::optional<Ueberfaelligkeit> f = faellig(rennen);
    if (f && m_rennuhr() >= f->rennzeit - 1e-6)
        m_ausloesen(f->spur);
    else
        stellen(rennen);
}
