#include "Rennabendexport.h"

#include "Hauptlaufwertung.h"
#include "Punkteliste.h"
#include "Rennabendleiter.h"
#include "Saisonexport.h"
#include "Saisonspeicher.h"

#include <QJsonObject>
#include <algorithm>

namespace {
QJsonValue zahlOderNull(const std::optional<double>& wert) {
    return wert ? QJsonValue(*wert) : QJsonValue();
}

QJsonArray namenliste(const QStringList& namen) {
    QJsonArray liste;
    for (const QString& name : namen)
        liste.append(name);
    return liste;
}

QJsonObject klassenAlsJson(const Fahrerklassen& klassen) {
    QJsonObject json;
    for (auto k = klassen.begin(); k != klassen.end(); ++k)
        json.insert(k.key(), k.value());
    return json;
}

QJsonArray tabelleAlsJson(const Rennabend& abend) {
    const bool nachZeit =
        std::any_of(abend.rennen.begin(), abend.rennen.end(),
                    [](const Abendrennen& r) { return r.rennen.rennart == Rennlaenge::Zeit; });
    QJsonArray tabelle;
    for (const Tabellenzeile& z : abendtabelle(abend))
        tabelle.append(QJsonObject{
            {QStringLiteral("platz"), tabelle.size() + 1},
            {QStringLiteral("name"), z.fahrer},
            {QStringLiteral("punkte"), z.punkte},
            {QStringLiteral("siege"), z.siege},
            {QStringLiteral("unentschieden"), z.unentschieden},
            {QStringLiteral("niederlagen"), z.niederlagen},
            {QStringLiteral("gewertet"), z.gewertet},
            {QStringLiteral("gesamtzeit"), z.gesamtzeit},
            {QStringLiteral("distanz"), nachZeit ? QJsonValue(z.distanz) : QJsonValue()},
            {QStringLiteral("bestzeit"), zahlOderNull(z.besteRunde)},
            {QStringLiteral("ausgeschieden"), z.ausgeschieden},
        });
    return tabelle;
}

QJsonObject abendAlsJson(const GespeicherterRennabend& g) {
    const Rennabend& a = g.abend;
    QJsonArray teilnehmer, plan, rennen, uebersprungen;
    for (const Teilnehmer& t : a.teilnehmer)
        teilnehmer.append(t.name);
    // `spuren` names the driver of every lane, null for a free one; `spur1` and `spur2` stay
    // for the readers of two-lane plans.
    for (std::size_t i = 0; i < a.plan.size(); ++i) {
        QJsonArray spuren;
        for (const QString& fahrer : a.plan[i].belegung())
            spuren.append(fahrer.isEmpty() ? QJsonValue() : QJsonValue(fahrer));
        QJsonObject eintrag{{QStringLiteral("nummer"), qint64(i + 1)},
                            {QStringLiteral("spur1"), a.plan[i].spur1},
                            {QStringLiteral("spur2"), a.plan[i].spur2},
                            {QStringLiteral("spuren"), spuren},
                            {QStringLiteral("finale"), a.plan[i].finale}};
        if (a.plan[i].hauptlauf > 0)
            eintrag.insert(QStringLiteral("hauptlauf"), a.plan[i].hauptlauf);
        plan.append(eintrag);
    }
    // Of a repeated entry every race is listed; the last one counts.
    for (std::size_t i = 0; i < a.rennen.size(); ++i) {
        const int nummer = a.rennen[i].nummer;
        const bool zaehlt = std::none_of(a.rennen.begin() + qsizetype(i) + 1, a.rennen.end(),
                                         [&](const Abendrennen& r) { return r.nummer == nummer; });
        rennen.append(QJsonObject{
            {QStringLiteral("nummer"), nummer},
            {QStringLiteral("rennen"),
             g.rennnummern[i] ? QJsonValue(*g.rennnummern[i]) : QJsonValue()},
            {QStringLiteral("zaehlt"), zaehlt},
        });
    }
    for (int nummer : a.uebersprungen)
        uebersprungen.append(nummer);
    QJsonObject abend{
        {QStringLiteral("schluessel"), a.schluessel},
        {QStringLiteral("datum"), a.beginn.date().toString(Qt::ISODate)},
        {QStringLiteral("beginn"), beginnText(a.beginn)},
        {QStringLiteral("saison"), a.saison},
        {QStringLiteral("format"), rennabendformatName(a.regeln.format)},
        {QStringLiteral("finale"), a.regeln.finale},
        {QStringLiteral("punkte"), punktwertungText(a.regeln.punkte)},
        {QStringLiteral("wertung"), abendwertungName(a.regeln.wertung)},
        {QStringLiteral("platzpunkte"), punktelisteText(a.regeln.platzpunkte)},
        {QStringLiteral("spurenzahl"), a.spurenzahl()},
        {QStringLiteral("fahrer"), teilnehmer},
        {QStringLiteral("ausgeschieden"), namenliste(a.ausgeschieden)},
        {QStringLiteral("klassen"), klassenAlsJson(a.klassen)},
        {QStringLiteral("qualifikation"),
         a.regeln.qualifikation ? QJsonValue(qualifikationsartName(*a.regeln.qualifikation))
                                : QJsonValue()},
        {QStringLiteral("qualifikationAufJederSpur"), a.regeln.qualifikationAufJederSpur},
        {QStringLiteral("aufsteiger"), a.regeln.aufsteiger},
        {QStringLiteral("hauptlaeufe"), hauptlaufmodusName(a.regeln.hauptlaufmodus)},
        {QStringLiteral("plan"), plan},
        {QStringLiteral("rennen"), rennen},
        {QStringLiteral("uebersprungen"), uebersprungen},
        {QStringLiteral("beendet"), a.beendet},
        // A damaged night has no standings: its row does not say who drove what.
        {QStringLiteral("tabelle"), g.beschaedigt ? QJsonArray() : tabelleAlsJson(a)},
    };
    if (g.beschaedigt)
        abend.insert(QStringLiteral("beschaedigt"), *g.beschaedigt);
    return abend;
}
} // namespace

QJsonArray rennabendeAlsJson(const std::vector<GespeicherterRennabend>& abende) {
    QJsonArray liste;
    for (const GespeicherterRennabend& g : abende)
        liste.append(abendAlsJson(g));
    return liste;
}

Jsonzusatz rennabendeExportieren(Verlaufsdatenbank& datenbank,
                                 std::vector<Rennaufzeichnung> wartende,
                                 std::vector<int> saisonpunkte) {
    return [&datenbank, wartende = std::move(wartende),
            saisonpunkte = std::move(saisonpunkte)](QJsonObject& oben) {
        QString fehler;
        const std::vector<GespeicherterRennabend> abende =
            rennabendeLesen(datenbank, wartende, fehler);
        const std::map<QString, int> streichresultate =
            fehler.isEmpty() ? streichresultateLesen(datenbank, fehler) : std::map<QString, int>();
        if (!fehler.isEmpty())
            return std::optional<QString>(fehler);
        oben.insert(QStringLiteral("rennabende"), rennabendeAlsJson(abende));
        oben.insert(QStringLiteral("saisons"),
                    saisonsAlsJson(abende, saisonpunkte, streichresultate));
        return std::optional<QString>();
    };
}
