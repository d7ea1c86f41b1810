#include "Rennwarteschlange.h"

#include "Dateiursache.h"
#include "Rennjson.h"

#include <QDir>
#include <QJsonDocument>
#include <QSaveFile>
#include <QUuid>
#include <cerrno>

namespace {
const QString Kennung = QStringLiteral("rundomat-wartendes-rennen");
const QString Muster = QStringLiteral("rennen-wartend-*.json");
// A race of a thousand laps a lane is some 200 kB; anything far larger is no race of ours.
constexpr qint64 GroessteDatei = 64 * 1024 * 1024;
} // namespace

Rennwarteschlange::Ablage Rennwarteschlange::ablegen(const Rennaufzeichnung& rennen) const {
    // The time first, so that the names sort as the races were kept; the rest keeps two
    // programs on one folder apart.
    const QString name =
        QStringLiteral("rennen-wartend-") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) +
        QLatin1Char('-') + QUuid::createUuid().toString(QUuid::Id128).left(8) +
        QStringLiteral(".json");
    QSaveFile datei(QDir(m_ordner).filePath(name));
    const QByteArray inhalt = dateiinhalt(rennen);
    errno = 0;
    // Unbuffered: a disk that takes only part of it shows in what write() returns.
    if (datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        datei.write(inhalt) == inhalt.size() && datei.commit())
        return {datei.fileName(), {}};
    const QString ursache = dateiursache(datei.fileName(), errno);
    return {{}, ursache.isEmpty() ? datei.errorString() : ursache};
}

std::vector<Rennwarteschlange::Eintrag> Rennwarteschlange::lesen() const {
    std::vector<Eintrag> eintraege;
    const QDir ordner(m_ordner);
    for (const QString& name : ordner.entryList({Muster}, QDir::Files, QDir::Name)) {
        QFile datei(ordner.filePath(name));
        if (datei.size() > GroessteDatei || !datei.open(QIODevice::ReadOnly))
            continue;
        if (std::optional<Rennaufzeichnung> r = dateiLesen(datei.readAll()))
            eintraege.push_back({datei.fileName(), std::move(*r)});
    }
    return eintraege;
}

void Rennwarteschlange::entfernen(const QString& datei) {
    QFile::remove(datei);
}

QByteArray Rennwarteschlange::dateiinhalt(const Rennaufzeichnung& rennen) {
    return "{\"" + Kennung.toLatin1() + "\": " + QByteArray::number(Version) +
           ",\n\"rennen\": " + rennenAlsJson(std::nullopt, rennen) + "}\n";
}

std::optional<Rennaufzeichnung> Rennwarteschlange::dateiLesen(const QByteArray& inhalt) {
    const QJsonObject datei = QJsonDocument::fromJson(inhalt).object();
    if (datei[Kennung].toInt() != Version)
        return std::nullopt;
    return rennenAusJson(datei[QStringLiteral("rennen")].toObject());
}
