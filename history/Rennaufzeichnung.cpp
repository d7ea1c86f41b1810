#include "Rennaufzeichnung.h"

#include <QStringList>

std::optional<int> Spurfahrt::besteRunde() const {
    std::optional<int> beste;
    for (std::size_t i = 0; i < runden.size(); ++i)
        if (!beste || runden[i].zeit < runden[static_cast<std::size_t>(*beste - 1)].zeit)
            beste = static_cast<int>(i) + 1;
    return beste;
}

std::vector<Rundenhinweis> Spurfahrt::hinweise() const {
    std::vector<double> zeiten;
    zeiten.reserve(runden.size());
    for (const Rundeneintrag& r : runden)
        zeiten.push_back(r.zeit);
    return rundenhinweise(zeiten);
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
