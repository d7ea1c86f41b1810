#include "Fahrerklassen.h"

#include "Fahrerliste.h"

#include <QJsonDocument>
#include <QJsonObject>

Fahrerangabe fahrerangabe(const QString& eintrag) {
    const QString text = eintrag.trimmed();
    const qsizetype auf = text.lastIndexOf(QLatin1Char('['));
    if (auf < 0 || !text.endsWith(QLatin1Char(']')))
        return {text, {}};
    return {text.left(auf).trimmed(), text.mid(auf + 1, text.size() - auf - 2).trimmed()};
}

Fahrerklassen fahrerklassenTrennen(const QString& liste) {
    Fahrerklassen klassen;
    for (const QString& eintrag : liste.split(QLatin1Char(','))) {
        const Fahrerangabe a = fahrerangabe(eintrag);
        klasseSetzen(klassen, a.name, a.klasse);
    }
    return klassen;
}

QString klasseVon(const Fahrerklassen& klassen, const QString& fahrer) {
    for (auto k = klassen.begin(); k != klassen.end(); ++k)
        if (gleicherFahrer(k.key(), fahrer))
            return k.value();
    return {};
}

void klasseSetzen(Fahrerklassen& klassen, const QString& fahrer, const QString& klasse) {
    klassen.removeIf([&](const auto& k) { return gleicherFahrer(k.key(), fahrer); });
    if (!klasse.isEmpty() && !fahrer.isEmpty())
        klassen.insert(fahrer, klasse);
}

QString klassenText(const Fahrerklassen& klassen) {
    if (klassen.isEmpty())
        return {};
    QJsonObject o;
    for (auto k = klassen.begin(); k != klassen.end(); ++k)
        o.insert(k.key(), k.value());
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact));
}

std::optional<Fahrerklassen> klassenLesen(const QString& text) {
    Fahrerklassen klassen;
    if (text.isEmpty())
        return klassen;
    QJsonParseError fehler;
    const QJsonDocument dokument = QJsonDocument::fromJson(text.toUtf8(), &fehler);
    if (fehler.error != QJsonParseError::NoError || !dokument.isObject())
        return std::nullopt;
    const QJsonObject o = dokument.object();
    for (auto k = o.begin(); k != o.end(); ++k) {
        if (!k.value().isString() || k.value().toString().isEmpty())
            return std::nullopt;
        klassen.insert(k.key(), k.value().toString());
    }
    return klassen;
}
