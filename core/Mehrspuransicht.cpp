#include "Mehrspuransicht.h"

#include "Rennen.h"
#include "Rennstellung.h"
#include "Straftext.h"
#include "Zahlenformat.h"

using Zahlenformat::ZahlFormatieren;

namespace {
QString zeitOderNichts(std::optional<double> sekunden) {
    return sekunden ? ZahlFormatieren(*sekunden) : QString();
}

// Where the leader has no gap to show, the race's outcome stands, as on the two-lane window's
// driver labels; a false start stands whatever the gap, and so does a stop and go.
QString abstandOderAusgang(const Spurstand& s, const Spurstellung& stellung) {
    switch (s.ausgang) {
    case Spurausgang::Sieg: return QStringLiteral("Sieger!!!");
    case Spurausgang::Unentschieden: return QStringLiteral("Unentschieden");
    case Spurausgang::Fehlstart: return QStringLiteral("Fehlstart");
    case Spurausgang::Offen:
    case Spurausgang::Niederlage: break;
    }
    if (imStopAndGo(s))
        return QStringLiteral("Stop and go");
    return stellung.abstand;
}

// A lane without a car tonight shows only that, dimmed.
constexpr Farbe Ungenutzt = 0x808080;

Spurzeile freieZeile(int spur) {
    Spurzeile z;
    z.spur = spur;
    z.farbe = Ungenutzt;
    z.zellen[static_cast<std::size_t>(Mehrspurspalte::Spur)] = QString::number(spur);
    z.zellen[static_cast<std::size_t>(Mehrspurspalte::Fahrer)] = QStringLiteral("frei");
    return z;
}

// After a heat of a lane change the drivers move on at once, while the lanes still show the
// laps of the heat that ended: those are named after whoever drove them.
QString fahrerDerRunden(const Rennstand& r, int spur) {
    const Spurstand& s = r.spuren[spur];
    if (r.gestartet || r.ergebnis.laeufe.empty() ||
        spur > static_cast<int>(r.ergebnis.letzterLauf().spuren.size()))
        return s.fahrer;
    const Spurergebnis& gefahren = r.ergebnis.letzterLauf().spur(spur);
    return gefahren.runden == s.runden ? gefahren.fahrer : s.fahrer;
}

Spurzeile zeile(const Rennstand& r, int spur, const Spurstellung& stellung) {
    if (r.einstellungen.spurFrei(spur))
        return freieZeile(spur);
    const Spurstand& s = r.spuren[spur];
    const bool nachZeit = r.einstellungen.rennart == Rennlaenge::Zeit;
    const auto gefahren = static_cast<std::int64_t>(s.runden.size());
    Spurzeile z;
    z.spur = spur;
    z.farbe = s.farbe;
    z.zellen = {
        stellung.platz > 0 ? QString::number(stellung.platz) + u'.' : QString(),
        QString::number(spur),
        fahrerDerRunden(r, spur),
        QString::number(gefahren),
        // By laps the laps still to go; by time the distance, with its fraction once home.
        !nachZeit  ? QString::number(s.offeneRunden)
        : s.fertig ? ZahlFormatieren(s.distanz)
                   : QString::number(gefahren),
        s.runden.empty() ? QString() : ZahlFormatieren(s.runden.back().zeit),
        zeitOderNichts(s.schnellsteRundenzeit),
        abstandOderAusgang(s, stellung),
        strafvermerk(r.strafen, spur),
    };
    return z;
}
} // namespace

Mehrspuransicht mehrspuransicht(const Rennen& rennen, int gewaehlt) {
    const Rennstand& r = rennen.stand();
    const int anzahl = r.spuren.anzahl();
    const Spuren<Spurstellung> stellung = rennstellung(r);
    Mehrspuransicht a;
    a.kopf = {QStringLiteral("Platz"),
              QStringLiteral("Spur"),
              QStringLiteral("Fahrer"),
              QStringLiteral("Runden"),
              rennen.nachZeit() ? QStringLiteral("Distanz") : QStringLiteral("Noch"),
              QStringLiteral("Letzte [sec]"),
              QStringLiteral("Beste [sec]"),
              QStringLiteral("Abstand"),
              QStringLiteral("Strafe")};
    a.tabellenspur = gewaehlt >= 1 && gewaehlt <= anzahl ? gewaehlt : 1;
    for (int spur = 1; spur <= anzahl; ++spur) {
        a.zeilen.push_back(zeile(r, spur, stellung[spur]));
        a.zeilen.back().gewaehlt = spur == a.tabellenspur;
    }
    a.tabellentitel = QStringLiteral("Runden von Spur ") + QString::number(a.tabellenspur) +
                      QStringLiteral(": ") + fahrerDerRunden(r, a.tabellenspur);
    return a;
}
