#include "HauptfensterAnsicht.h"

#include "Portfeld.h"
#include "Rennanzeige.h"
#include "Rennen.h"
#include "Straftext.h"

#include <algorithm>
#include <stdexcept>

namespace {
// Behind the title while no port could be opened.
const QString OhneZeitnahme =
    QStringLiteral("   -> Zeitaufnahme über die serielle Schnittstelle nicht möglich");

Beschriftung beschriftung(const QString& text, Farbe farbe = Farben::Hellgrau) {
    Beschriftung b;
    b.text = text;
    b.farbe = farbe;
    return b;
}

// A penalty stands behind the name: the label is the lane's one place for it on this layout.
QString fahrertext(const Spurstand& s, const QString& strafe) {
    switch (s.ausgang) {
    case Spurausgang::Offen: break;
    case Spurausgang::Sieg: return QStringLiteral("Sieger!!!");
    case Spurausgang::Niederlage: return QStringLiteral("Verlierer");
    case Spurausgang::Unentschieden: return QStringLiteral("Unentschieden");
    case Spurausgang::Fehlstart: return QStringLiteral("Fehlstart");
    }
    if (imStopAndGo(s))
        return QStringLiteral("Stop and go");
    return strafe.isEmpty() ? s.fahrer : s.fahrer + QStringLiteral("  ") + strafe;
}

QString maxgText(const Rennstand& r) {
    if (!(r.maxGeschw > 0))
        return QStringLiteral("Maximalgeschwindigkeit:");
    return QStringLiteral("Maximalgeschwindigkeit: ") + Zahlenformat::allgemein(r.maxGeschw) +
           QStringLiteral(" m/s von ") + r.maxGeschwFahrer;
}

// On more than two lanes no arrows show a lane change: the field says which heat is next or
// under way.
QString modustext(const Rennstand& r) {
    const Renneinstellungen& e = r.einstellungen;
    // The crash label says that the race stands; this says that nobody pressed Space.
    if (r.crashPause && !r.streckenrufe.empty() &&
        r.streckenrufe.back().ursache == Streckenrufursache::Automatisch)
        return QStringLiteral("Streckenruf (automatisch)");
    if (e.spurwechsel && r.spuren.anzahl() > KleinsteSpurenzahl)
        return QStringLiteral("Spurwechsel, Lauf %1 von %2")
            .arg(r.wechsellauf + 1)
            .arg(Spurrotation(e).laeufe());
    return e.rennmodus ? QStringLiteral("Rennmodus") : QStringLiteral("Trainingsmodus");
}

Statusleiste statusleiste(const Rennstand& r) {
    const Renneinstellungen& e = r.einstellungen;
    const std::optional<QString> warnung = simulationswarnung(r);
    return Statusleiste({
        {QString(), QStringLiteral("© Rundomat"), QString()},
        warnung ? Statusfeld{QStringLiteral("port"),
                             QStringLiteral("Simulation – Prellzeit zu lang"), *warnung}
                : Statusfeld{QStringLiteral("port"), portfeldtext(r.anschluss),
                             QStringLiteral("welche serielle Schnittstelle")},
        {QStringLiteral("kurslaenge"),
         QStringLiteral("Kurslänge: ") + Zahlenformat::allgemein(e.kurslaenge) +
             QStringLiteral(" m"),
         QString()},
        e.rennart == Rennlaenge::Zeit
            ? Statusfeld{QStringLiteral("rundenzahl"),
                         QStringLiteral("Renndauer: ") + restzeittext(e.renndauer),
                         QStringLiteral("wie lange ein Rennen dauert")}
            : Statusfeld{QStringLiteral("rundenzahl"),
                         QStringLiteral("Rundenzahl: ") + QString::number(e.rundenzahl),
                         QStringLiteral("wieviel Runden umfaßt ein Grand Prix")},
        {QStringLiteral("maxg"), maxgText(r),
         QStringLiteral("Maximalgeschwindigkeit im aktuellen Rennen")},
        {QStringLiteral("modus"), modustext(r), QString()},
    });
}
} // namespace

const Statusfeld& Statusleiste::feld(const QString& schluessel) const {
    const auto feld = std::find_if(m_felder.begin(), m_felder.end(),
                                   [&](const Statusfeld& f) { return f.schluessel == schluessel; });
    if (schluessel.isEmpty() || feld == m_felder.end())
        throw std::out_of_range("Statusleiste: unbekannter Schluessel");
    return *feld;
}

HauptfensterAnsicht hauptfensterAnsicht(const Rennen& rennen) {
    const Rennstand& r = rennen.stand();
    const Renneinstellungen& e = r.einstellungen;
    const auto jeSpur = [&](auto bilden) {
        return Fensterspuren<Beschriftung>(bilden(1, r.spuren[1]), bilden(2, r.spuren[2]));
    };
    const Lampensatz satz = e.ampelbilder ? Lampensatz::Ampel : Lampensatz::Kreis;
    const Reihe<Lampe, 5> lampen = ampelLampen(r.ampel);

    HauptfensterAnsicht a{
        r.titel + (r.anschluss.keinPort ? OhneZeitnahme : QString()),
        jeSpur([&](int spur, const Spurstand& s) {
            Beschriftung b = beschriftung(fahrertext(s, strafvermerk(r.strafen, spur)), s.farbe);
            b.markierung = !r.rennsieger           ? QStringLiteral("aktivesRennen")
                           : *r.rennsieger == spur ? QStringLiteral("Sieger")
                                                   : QStringLiteral("Verlierer");
            return b;
        }),
        jeSpur([&](int, const Spurstand& s) {
            Beschriftung b =
                beschriftung(s.letzteZeit ? zeittext(*s.letzteZeit) : QStringLiteral("0 sec"));
            // Race mode shows each lane's current time, training its best lap, in the
            // same place.
            b.sichtbar = e.rennmodus;
            return b;
        }),
        jeSpur([&](int, const Spurstand& s) {
            Beschriftung b = beschriftung(s.schnellsteRundenzeit ? zeittext(*s.schnellsteRundenzeit)
                                                                 : QStringLiteral("? sec"),
                                          Farben::Blassgelb);
            b.sichtbar = !e.rennmodus;
            return b;
        }),
        // By laps the laps still to go, by time the laps driven.
        jeSpur([&](int, const Spurstand& s) {
            return beschriftung(QString::number(e.rennart == Rennlaenge::Zeit
                                                    ? static_cast<std::int64_t>(s.runden.size())
                                                    : std::int64_t{s.offeneRunden}));
        }),
        beschriftung(QStringLiteral("Hall of Fame")),
        beschriftung(QStringLiteral("Option")),
        beschriftung(r.gestartet ? QStringLiteral("Stop") : QStringLiteral("Start")),
        // Once a race by time has its clock running, the time left stands where the
        // countdown stood.
        beschriftung(e.rennart == Rennlaenge::Zeit && r.restzeit
                         ? restzeittext(*r.restzeit)
                         : QString::number(r.countdownZiffer)),
        beschriftung(QStringLiteral("CRASH"), Farben::Rot),
        {},
        // In the second heat the drivers change lanes: lane 1's arrow bends right, lane 2's
        // left.
        {Pfeilbild{r.wechsellauf > 0 ? Pfeil::Rechts : Pfeil::Geradeaus, e.spurwechsel},
         Pfeilbild{r.wechsellauf > 0 ? Pfeil::Links : Pfeil::Geradeaus, e.spurwechsel}},
        statusleiste(r),
        {Rundentabelle(rennen, 1), Rundentabelle(rennen, 2)},
    };
    a.hallOfFame.bedienbar = r.optionenFrei;
    a.optionen.bedienbar = r.optionenFrei;
    a.crash.sichtbar = r.crashPause;
    for (int lampe = 1; lampe <= 5; ++lampe)
        a.ampel[lampe] = {satz, lampen[lampe]};
    return a;
}
