#include "RennformatLogik.h"

#include "Boxspuren.h"
#include "Rennanzeige.h"
#include "Spurenliste.h"
#include "Zahlenformat.h"

#include <QStringList>
#include <algorithm>

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
               QString::number(e.streckenruffaktor)};
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
    const std::optional<std::int32_t> faktor =
        Zahlenformat::ganzzahlLesen(ansicht.streckenruffaktor.trimmed());
    if (!faktor || *faktor < KleinsterStreckenruffaktor || *faktor > GroessterStreckenruffaktor) {
        m_dialoge.meldung(QStringLiteral("Der Streckenruffaktor muss eine ganze Zahl zwischen "
                                         "%1 und %2 sein.")
                              .arg(KleinsterStreckenruffaktor)
                              .arg(GroessterStreckenruffaktor),
                          QStringLiteral("Rennformat"));
        return false;
    }
    if (!bahnPruefen())
        return false;
    Renneinstellungen e = m_rennen.einstellungen();
    const Renneinstellungen vorher = e;
    bahnSpeichern(e);
    e.streckenrufautomatik = ansicht.streckenrufautomatik;
    e.streckenruffaktor = *faktor;
    // Stored once changed: a store that never had them keeps only the keys it had.
    if (e.streckenrufautomatik != vorher.streckenrufautomatik)
        m_werte.speichern(E::Streckenrufautomatik, e.streckenrufautomatik);
    if (e.streckenruffaktor != vorher.streckenruffaktor)
        m_werte.speichern(E::Streckenruffaktor, e.streckenruffaktor);
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
