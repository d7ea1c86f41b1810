// libFuzzer entry for the race JSON: any bytes, read as one race of the export and as a
// waiting race's file (rennen-wartend-….json, read at every start). A race once read goes on
// as the program takes it: exported as JSON and CSV, and kept in a waiting file. Read back,
// its JSON gives the same JSON, CSV and waiting file again, and the race is still the one
// the database would know it by; nothing crashes, leaks or hits undefined behaviour.
#include "Rennjson.h"
#include "Rennwarteschlange.h"
#include "Verlaufsexport.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {
void pruefen(bool bedingung) {
    if (!bedingung)
        std::abort();
}

// The number a stored race has in the export.
constexpr qint64 Nummer = 7;

QByteArray alsCsv(const Rennaufzeichnung& rennen) {
    // One folder for the whole run: a folder per input would cost more than the race.
    static const QTemporaryDir ordner;
    const QString pfad = QDir(ordner.path()).filePath(QStringLiteral("rennen.csv"));
    pruefen(!verlaufExportieren(pfad, einRennen(Nummer, rennen)));
    QFile datei(pfad);
    pruefen(datei.open(QIODevice::ReadOnly));
    return datei.readAll();
}

void weitergeben(const Rennaufzeichnung& gelesen) {
    const QByteArray json = rennenAlsJson(Nummer, gelesen);
    QJsonParseError fehler;
    const QJsonDocument dokument = QJsonDocument::fromJson(json, &fehler);
    pruefen(fehler.error == QJsonParseError::NoError && dokument.isObject());
    const std::optional<Rennaufzeichnung> zurueck = rennenAusJson(dokument.object());
    pruefen(zurueck && rennenAlsJson(Nummer, *zurueck) == json);
    pruefen(rennkennung(*zurueck) == rennkennung(gelesen));
    pruefen(alsCsv(*zurueck) == alsCsv(gelesen));
    const std::optional<Rennaufzeichnung> gewartet =
        Rennwarteschlange::dateiLesen(Rennwarteschlange::dateiinhalt(*zurueck));
    pruefen(gewartet && rennenAlsJson(Nummer, *gewartet) == json);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(daten),
                                                     static_cast<qsizetype>(groesse));
    if (const std::optional<Rennaufzeichnung> r =
            rennenAusJson(QJsonDocument::fromJson(bytes).object()))
        weitergeben(*r);
    if (const std::optional<Rennaufzeichnung> r = Rennwarteschlange::dateiLesen(bytes))
        weitergeben(*r);
    return 0;
}
