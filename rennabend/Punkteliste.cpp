#include "Punkteliste.h"

#include <QStringList>

namespace {
constexpr int MeistePlaetze = 16;
constexpr int MeistePunkte = 100;
} // namespace

std::optional<QString> punktelisteFehler(const QString& text) {
    const QStringList teile = text.split(QLatin1Char(','));
    if (teile.size() > MeistePlaetze)
        return QStringLiteral("Die Liste hat %1 Punktzahlen, höchstens %2 gehen.")
            .arg(teile.size())
            .arg(MeistePlaetze);
    int vorige = MeistePunkte;
    for (qsizetype i = 0; i < teile.size(); ++i) {
        bool zahl = false;
        const int wert = teile[i].trimmed().toInt(&zahl);
        if (!zahl || wert < 0 || wert > MeistePunkte)
            return QStringLiteral("„%1“ ist keine ganze Zahl von 0 bis %2.")
                .arg(teile[i].trimmed())
                .arg(MeistePunkte);
        if (wert > vorige)
            return QStringLiteral("Platz %1 bekäme mehr Punkte (%2) als Platz %3 (%4).")
                .arg(i + 1)
                .arg(wert)
                .arg(i)
                .arg(vorige);
        vorige = wert;
    }
    return std::nullopt;
}

std::optional<std::vector<int>> punktelisteLesen(const QString& text) {
    if (punktelisteFehler(text))
        return std::nullopt;
    std::vector<int> punkte;
    for (const QString& teil : text.split(QLatin1Char(',')))
        punkte.push_back(teil.trimmed().toInt());
    return punkte;
}

QString punktelisteText(const std::vector<int>& punkte) {
    QStringList teile;
    for (int p : punkte)
        teile << QString::number(p);
    return teile.join(QLatin1Char(','));
}
