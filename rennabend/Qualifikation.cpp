#include "Qualifikation.h"

#include <algorithm>

namespace {

std::optional<double> qualifikationsergebnis(Qualifikationsart art, const Tabellenzeile& zeile) {
    if (art == Qualifikationsart::BesteRunde)
        return zeile.besteRunde;
    // By laps every distance is 0 and the laps driven stand for it.
    const double weite = zeile.distanz > 0 ? zeile.distanz : double(zeile.runden);
    return weite > 0 ? std::optional<double>(weite) : std::nullopt;
}

bool schnellereQualifikationsrunde(const std::optional<double>& a, const std::optional<double>& b) {
    return a && (!b || *a < *b);
}

} // namespace

QStringList Startaufstellung::fahrer() const {
    QStringList namen;
    for (const Startplatz& platz : plaetze)
        namen << platz.fahrer;
    return namen;
}

QString Startaufstellung::hinweis() const {
    return nachFahrerliste ? QStringLiteral("Niemand hat die Qualifikation beendet: die "
                                            "Startaufstellung folgt der Fahrerliste.")
                           : QString();
}

Startaufstellung startaufstellung(Qualifikationsart art, const QStringList& fahrer,
                                  const std::vector<Abendrennen>& qualifikation) {
    // The standings' reading of the races: the last completed run of each number counts, a
    // stopped one not, a free lane for nobody.
    Rennabendregeln regeln;
    regeln.format = Rennabendformat::Spurrotation;
    regeln.wertung = Abendwertung::Gesamtrunden;
    const std::vector<Tabellenzeile> tabelle = rennabendtabelle(regeln, fahrer, {}, qualifikation);

    // The table comes ranked by its own rule; the roster's order is the last tie-break here.
    Startaufstellung aufstellung;
    for (const QString& name : fahrer)
        for (const Tabellenzeile& zeile : tabelle)
            if (zeile.fahrer == name)
                aufstellung.plaetze.push_back(
                    {name, qualifikationsergebnis(art, zeile), zeile.besteRunde});
    const bool kleinerBesser = art == Qualifikationsart::BesteRunde;
    std::stable_sort(aufstellung.plaetze.begin(), aufstellung.plaetze.end(),
                     [&](const Startplatz& a, const Startplatz& b) {
                         if (a.ergebnis.has_value() != b.ergebnis.has_value())
                             return a.ergebnis.has_value();
                         if (a.ergebnis && *a.ergebnis != *b.ergebnis)
                             return kleinerBesser ? *a.ergebnis < *b.ergebnis
                                                  : *a.ergebnis > *b.ergebnis;
                         return schnellereQualifikationsrunde(a.besteRunde, b.besteRunde);
                     });
    aufstellung.nachFahrerliste =
        std::none_of(aufstellung.plaetze.begin(), aufstellung.plaetze.end(),
                     [](const Startplatz& p) { return p.ergebnis.has_value(); });
    return aufstellung;
}

Rennplan qualifikationsplan(const QStringList& fahrer, int spurenzahl) {
    Rennplan plan;
    for (qsizetype erster = 0; erster < fahrer.size(); erster += spurenzahl) {
        Laufbelegung lauf = Laufbelegung::fuer(spurenzahl);
        for (int spur = 1; spur <= spurenzahl && erster + spur - 1 < fahrer.size(); ++spur)
            lauf[spur] = fahrer[erster + spur - 1];
        plan.push_back(Paarung::aus(lauf));
    }
    return plan;
}
