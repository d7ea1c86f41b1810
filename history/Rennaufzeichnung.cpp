#include "Rennaufzeichnung.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

std::optional<int> Spurfahrt::besteRunde() const {
    std::optional<int> beste;
    for (std::size_t i = 0; i < runden.size(); ++i)
        if (!beste || runden[i].zeit < runden[static_cast<std::size_t>(*beste - 1)].zeit)
            beste = static_cast<int>(i) + 1;
    return beste;
}

namespace {
// A heat the race as first stored did not have.
const Spurfahrt KeineFahrt;

// Each lap as the milliseconds of its two crossings, so that a lap moved by a correction
// before it is still known as the lap it was. Whole milliseconds in a double: exact for any
// race, and a lap of a damaged file, of no time or of years, overflows nothing. A lap of
// less than no time never came from a race and takes none.
std::vector<std::pair<double, double>> rundenspannen(const Spurfahrt& f) {
    std::vector<std::pair<double, double>> spannen;
    double ms = 0;
    for (const Rundeneintrag& r : f.runden) {
        const double bis = ms + std::round((r.zeit > 0 ? r.zeit : 0) * 1000);
        spannen.emplace_back(ms, bis);
        ms = bis;
    }
    return spannen;
}
} // namespace

std::vector<Rundenhinweis> Spurfahrt::hinweise(const Spurfahrt* original) const {
    std::vector<double> zeiten;
    zeiten.reserve(runden.size());
    for (const Rundeneintrag& r : runden)
        zeiten.push_back(r.zeit);
    std::vector<Rundenhinweis> hinweise = rundenhinweise(zeiten);
    if (!original)
        return hinweise;
    std::vector<std::pair<double, double>> vorher = rundenspannen(*original);
    std::sort(vorher.begin(), vorher.end());
    const std::vector<std::pair<double, double>> jetzt = rundenspannen(*this);
    for (std::size_t i = 0; i < jetzt.size(); ++i)
        if (!std::binary_search(vorher.begin(), vorher.end(), jetzt[i]))
            hinweise[i] = Rundenhinweis::Korrigiert;
    return hinweise;
}

const Spurfahrt* Rennaufzeichnung::originalfahrt(std::size_t lauf, int spur) const {
    if (lauf >= original.size() || spur > original[lauf].anzahl())
        return korrigiert() ? &KeineFahrt : nullptr;
    return &original[lauf][spur];
}

QString beginnText(const QDateTime& beginn) {
    return beginn.toOffsetFromUtc(beginn.offsetFromUtc()).toString(Qt::ISODate);
}

QString rennkennung(const QString& beginn, Rennart art, int rundenzahl, const QString& fahrer1,
                    const QString& fahrer2) {
    return QStringList{beginn, artText(art), QString::number(rundenzahl), fahrer1, fahrer2}.join(
        QLatin1Char('\n'));
}

QString rennkennung(const Rennaufzeichnung& r) {
    const bool gefahren = !r.laeufe.empty();
    return rennkennung(beginnText(r.beginn), r.art, r.rundenzahl,
                       gefahren ? r.laeufe[0][1].fahrer : QString(),
                       gefahren ? r.laeufe[0][2].fahrer : QString());
}

QString artText(Rennart art) {
    switch (art) {
    case Rennart::Training: return QStringLiteral("training");
    case Rennart::Spurwechsel: return QStringLiteral("spurwechsel");
    case Rennart::Rennen: break;
    }
    return QStringLiteral("rennen");
}

Rennart artAusText(const QString& text) {
    for (Rennart art : {Rennart::Training, Rennart::Spurwechsel})
        if (artText(art) == text)
            return art;
    return Rennart::Rennen;
}

QString quellenText(Signalquelle quelle) {
    switch (quelle) {
    case Signalquelle::Box: return QStringLiteral("box");
    case Signalquelle::Tastatur: return QStringLiteral("tastatur");
    case Signalquelle::Simulation: return QStringLiteral("simulation");
    case Signalquelle::Platine: return QStringLiteral("platine");
    case Signalquelle::Sensoren: break;
    }
    return QStringLiteral("sensoren");
}

Signalquelle quelleAusText(const QString& text) {
    for (Signalquelle quelle : {Signalquelle::Box, Signalquelle::Tastatur, Signalquelle::Simulation,
                                Signalquelle::Platine})
        if (quellenText(quelle) == text)
            return quelle;
    return Signalquelle::Sensoren;
}

QString strafartText(Strafart art) {
    switch (art) {
    case Strafart::Runden: return QStringLiteral("Runden");
    case Strafart::StopAndGo: return QStringLiteral("StopAndGo");
    case Strafart::Zeit: break;
    }
    return QStringLiteral("Zeit");
}

std::optional<Strafart> strafartAusText(const QString& text) {
    for (Strafart art : {Strafart::Zeit, Strafart::Runden, Strafart::StopAndGo})
        if (strafartText(art) == text)
            return art;
    return std::nullopt;
}
