#include "RennformatLogik.h"

#include "Boxspuren.h"
#include "Rennanzeige.h"
#include "Spurenliste.h"
#include "Zahlenformat.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <vector>

namespace E = Einstellungen;

std::optional<std::int32_t> renndauerLesen(const QString& text) {
    const QStringList teile = text.trimmed().split(u':');
    if (teile.size() > 3)
        return std::nullopt;
    std::int64_t sekunden = 0;
    for (qsizetype i = 0; i < teile.size(); ++i) {
        bool gut = false;
        const int wert = teile[i].toInt(&gut);
        // Past the first part: two digits, below 60.
        const bool unterteil = i > 0;
        if (!gut || wert < 0 || teile[i].startsWith(u'+') ||
            (unterteil && (teile[i].size() != 2 || wert > 59)))
            return std::nullopt;
        sekunden = sekunden * 60 + wert;
    }
    if (teile.size() == 1)
        sekunden *= 60; // minutes alone
    if (sekunden > LaengsteRenndauer)
        return std::nullopt;
    return static_cast<std::int32_t>(sekunden);
}

RennformatLogik::RennformatLogik(Rennen& rennen, Einstellungsspeicher& speicher, Dialoge& dialoge)
    : m_rennen(rennen), m_werte(speicher), m_dialoge(dialoge) {
    const Renneinstellungen& e = rennen.einstellungen();
    ansicht = {e.rennart == Rennlaenge::Zeit,
               restzeittext(e.renndauer),
               e.zielregel,
               e.spuranzahl,
               e.freieSpuren,
               e.nachSiegerBeenden,
               e.streckenrufautomatik,
               QString::number(e.streckenruffaktor),
               e.fehlstartregel,
               QString::number(e.fehlstartstrafe),
               QString::number(e.stopAndGoZeit),
               QString::number(e.strafzeit)};
}

void RennformatLogik::spuranzahlWaehlen(int anzahl) {
    ansicht.spuranzahl = std::clamp(anzahl, KleinsteSpurenzahl, GroessteSpurenzahl);
    ansicht.nachSiegerBeenden = ansicht.spuranzahl > KleinsteSpurenzahl;
}

// A track needs a car, and the timing box counts two lanes.
bool RennformatLogik::bahnPruefen() {
    const std::uint32_t bahn = (1U << ansicht.spuranzahl) - 1;
    if ((ansicht.freieSpuren & bahn) == bahn) {
        m_dialoge.meldung(QStringLiteral("Mindestens eine Spur braucht einen Fahrer."),
                          QStringLiteral("Rennformat"));
        return false;
    }
    if (m_rennen.einstellungen().raceControl && ansicht.spuranzahl > KleinsteSpurenzahl) {
        m_dialoge.meldung(boxOhneVieleSpuren(ansicht.spuranzahl) +
                              QStringLiteral(" Für mehr Spuren zuerst in den Optionen "
                                             "„RaceControl“ ausschalten."),
                          QStringLiteral("Rennformat"));
        return false;
    }
    return true;
}

// The rule after the winner is stored only where it differs from the lane count's default,
// so a track that changes its count later gets that count's default.
void RennformatLogik::bahnSpeichern(Renneinstellungen& e) {
    e.spuranzahl = ansicht.spuranzahl;
    e.freieSpuren = ansicht.freieSpuren & ((1U << ansicht.spuranzahl) - 1);
    e.nachSiegerBeenden = ansicht.nachSiegerBeenden;
    m_werte.speichern(E::Spuranzahl, e.spuranzahl);
    m_werte.speichern(E::FreieSpuren, spurenlisteText(e.freieSpuren));
    const bool vorgabe = e.spuranzahl > KleinsteSpurenzahl;
    if (e.nachSiegerBeenden == vorgabe)
        m_werte.speichern(E::NachSiegerBeenden, E::NachSiegerBeenden.vorgabe);
    else
        m_werte.speichern(E::NachSiegerBeenden, e.nachSiegerBeenden);
}

namespace {
// A field of a whole number: what is typed, where it goes, its key and its range.
struct Zahlfeld {
    QString RennformatAnsicht::*text;
    std::int32_t Renneinstellungen::*wert;
    const Einstellung& schluessel;
    std::int32_t kleinster;
    std::int32_t groesster;
    QString meldung;
};

QString strafmeldung(const QString& was) {
    return was + QStringLiteral(" muss zwischen %1 und %2 Sekunden liegen (ganze Sekunden).")
                     .arg(KuerzesteStrafzeit)
                     .arg(LaengsteStrafzeit);
}

std::vector<Zahlfeld> zahlfelder() {
    const std::int32_t kurz = KuerzesteStrafzeit, lang = LaengsteStrafzeit;
    return {
        {&RennformatAnsicht::streckenruffaktor, &Renneinstellungen::streckenruffaktor,
         E::Streckenruffaktor, KleinsterStreckenruffaktor, GroessterStreckenruffaktor,
         QStringLiteral("Der Streckenruffaktor muss eine ganze Zahl zwischen %1 und %2 sein.")
             .arg(KleinsterStreckenruffaktor)
             .arg(GroessterStreckenruffaktor)},
        {&RennformatAnsicht::fehlstartstrafe, &Renneinstellungen::fehlstartstrafe,
         E::Fehlstartstrafe, kurz, lang,
         strafmeldung(QStringLiteral("Die Strafe für einen Fehlstart"))},
        {&RennformatAnsicht::stopAndGoZeit, &Renneinstellungen::stopAndGoZeit, E::StopAndGoZeit,
         kurz, lang, strafmeldung(QStringLiteral("Das Stop and go"))},
        {&RennformatAnsicht::strafzeit, &Renneinstellungen::strafzeit, E::Strafzeit, kurz, lang,
         strafmeldung(QStringLiteral("Die Zeitstrafe"))},
    };
}
} // namespace

bool RennformatLogik::zahlenUebernehmen(Renneinstellungen& e) {
    for (const Zahlfeld& feld : zahlfelder()) {
        // Whole numbers as typed: "2,5" is refused, not rounded.
        const std::optional<double> zahl = Zahlenformat::zahlLesen((ansicht.*feld.text).trimmed());
        if (!zahl || *zahl != std::floor(*zahl) || *zahl < feld.kleinster ||
            *zahl > feld.groesster) {
            m_dialoge.meldung(feld.meldung, QStringLiteral("Rennformat"));
            return false;
        }
        e.*feld.wert = static_cast<std::int32_t>(*zahl);
    }
    return true;
}

void RennformatLogik::rennleitungSpeichern(const Renneinstellungen& e,
                                           const Renneinstellungen& vorher) {
    if (e.streckenrufautomatik != vorher.streckenrufautomatik)
        m_werte.speichern(E::Streckenrufautomatik, e.streckenrufautomatik);
    if (e.fehlstartregel != vorher.fehlstartregel)
        m_werte.speichern(E::Fehlstartregel, fehlstartregelName(e.fehlstartregel));
    for (const Zahlfeld& feld : zahlfelder())
        if (e.*feld.wert != vorher.*feld.wert)
            m_werte.speichern(feld.schluessel, e.*feld.wert);
}

bool RennformatLogik::okGedrueckt() {
    // The format is the race's: it never changes while one is under way.
    if (!m_rennen.stand().optionenFrei)
        return true;
    const std::optional<std::int32_t> dauer = renndauerLesen(ansicht.dauer);
    if (!dauer || *dauer < KuerzesteRenndauer) {
        m_dialoge.meldung(QStringLiteral("Die Renndauer muss zwischen 0:10 und 10:00:00 liegen "
                                         "(m:ss, h:mm:ss oder ganze Minuten)."),
                          QStringLiteral("Rennformat"));
        return false;
    }
    Renneinstellungen e = m_rennen.einstellungen();
    const Renneinstellungen vorher = e;
    if (!zahlenUebernehmen(e) || !bahnPruefen())
        return false;
    bahnSpeichern(e);
    e.streckenrufautomatik = ansicht.streckenrufautomatik;
    e.fehlstartregel = ansicht.fehlstartregel;
    rennleitungSpeichern(e, vorher);
    e.rennart = ansicht.nachZeit ? Rennlaenge::Zeit : Rennlaenge::Runden;
    e.renndauer = *dauer;
    e.zielregel = ansicht.zielregel;
    m_werte.speichern(E::Rennart, rennartName(e.rennart));
    m_werte.speichern(E::Renndauer, e.renndauer);
    m_werte.speichern(E::Zielregel, zielregelName(e.zielregel));
    if (e == vorher)
        return true;
    m_rennen.einstellungenAnwenden(e);
    // Lanes the track gains bring their drivers and colours from the settings.
    for (int spur = vorher.spuranzahl + 1; spur <= m_rennen.spurenzahl(); ++spur) {
        m_rennen.fahrerBenennen(spur, m_werte.text(E::Fahrer[spur]));
        m_rennen.fahrerfarbeSetzen(spur, m_werte.farbe(E::Fahrerfarbe[spur]));
    }
    // The heats of a lane-change race are driven in one format.
    if (e.spurwechsel)
        m_rennen.spurwechselVonVorn();
    return true;
}
