#include "Rundenpruefung.h"

#include <algorithm>

double medianrunde(const std::vector<double>& zeiten) {
    if (zeiten.empty())
        return 0;
    std::vector<double> sortiert = zeiten;
    const std::size_t mitte = sortiert.size() / 2;
    std::nth_element(sortiert.begin(), sortiert.begin() + std::ptrdiff_t(mitte), sortiert.end());
    const double oben = sortiert[mitte];
    if (sortiert.size() % 2 != 0)
        return oben;
    // The largest of the lower half is the other middle lap.
    const double unten =
        *std::max_element(sortiert.begin(), sortiert.begin() + std::ptrdiff_t(mitte));
    return (unten + oben) / 2;
}

std::vector<Rundenhinweis> rundenhinweise(const std::vector<double>& zeiten) {
    std::vector<Rundenhinweis> hinweise(zeiten.size(), Rundenhinweis::Keiner);
    if (zeiten.size() < RundenFuerHinweise)
        return hinweise;
    const double median = medianrunde(zeiten);
    for (std::size_t i = 0; i < zeiten.size(); ++i) {
        if (zeiten[i] < DoppeltUnter * median)
            hinweise[i] = Rundenhinweis::Doppelt;
        else if (zeiten[i] > VerpasstUeber * median)
            hinweise[i] = Rundenhinweis::Verpasst;
    }
    return hinweise;
}

QString hinweistext(Rundenhinweis hinweis) {
    switch (hinweis) {
    case Rundenhinweis::Doppelt: return QStringLiteral("doppelt?");
    case Rundenhinweis::Verpasst: return QStringLiteral("verpasst?");
    case Rundenhinweis::Korrigiert: return QStringLiteral("korrigiert");
    case Rundenhinweis::Keiner: break;
    }
    return {};
}
