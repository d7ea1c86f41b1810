#include "Saisonexport.h"

#include "Saisontabelle.h"

#include <QJsonObject>

namespace {
QJsonArray tabelleAlsJson(const std::vector<Saisonzeile>& tabelle) {
    QJsonArray zeilen;
    for (const Saisonzeile& z : tabelle) {
        QJsonArray punkte, gestrichen;
        for (std::size_t abend = 0; abend < z.abendpunkte.size(); ++abend) {
            punkte.append(z.abendpunkte[abend] ? QJsonValue(*z.abendpunkte[abend]) : QJsonValue());
            gestrichen.append(z.gestrichen[abend]);
        }
        zeilen.append(QJsonObject{
            {QStringLiteral("platz"), zeilen.size() + 1},
            {QStringLiteral("name"), z.fahrer},
            {QStringLiteral("klasse"), z.klasse.isEmpty() ? QJsonValue() : QJsonValue(z.klasse)},
            {QStringLiteral("abendpunkte"), punkte},
            {QStringLiteral("gestrichen"), gestrichen},
            {QStringLiteral("gesamt"), z.gesamt},
            {QStringLiteral("wertung"), z.wertung},
            {QStringLiteral("abende"), z.abende},
            {QStringLiteral("abendsiege"), z.abendsiege},
        });
    }
    return zeilen;
}
} // namespace

QJsonArray saisonsAlsJson(const std::vector<GespeicherterRennabend>& abende,
                          const std::vector<int>& platzpunkte,
                          const std::map<QString, int>& streichresultate) {
    QJsonArray saisons;
    for (const Saison& s : saisonsDerAbende(abende)) {
        const int gestrichen = streichresultateDer(streichresultate, s.name);
        const std::vector<Saisonzeile> tabelle = saisontabelle(s.abende, platzpunkte, gestrichen);
        QJsonArray daten, klassen;
        for (const Saisonabend& a : s.abende)
            daten.append(QJsonObject{{QStringLiteral("schluessel"), a.schluessel},
                                     {QStringLiteral("datum"), a.datum.toString(Qt::ISODate)}});
        for (const auto& [klasse, zeilen] : klassentabellen(tabelle))
            klassen.append(QJsonObject{{QStringLiteral("klasse"), klasse},
                                       {QStringLiteral("tabelle"), tabelleAlsJson(zeilen)}});
        saisons.append(QJsonObject{
            {QStringLiteral("name"), s.name},
            {QStringLiteral("streichresultate"), gestrichen},
            {QStringLiteral("abende"), daten},
            {QStringLiteral("tabelle"), tabelleAlsJson(tabelle)},
            {QStringLiteral("klassen"), klassen},
        });
    }
    return saisons;
}
