#include "RennformatLogik.h"

#include "Rennanzeige.h"

#include <QStringList>

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
    ansicht = {e.rennart == Rennlaenge::Zeit, restzeittext(e.renndauer), e.zielregel};
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
    e.rennart = ansicht.nachZeit ? Rennlaenge::Zeit : Rennlaenge::Runden;
    e.renndauer = *dauer;
    e.zielregel = ansicht.zielregel;
    m_werte.speichern(E::Rennart, rennartName(e.rennart));
    m_werte.speichern(E::Renndauer, e.renndauer);
    m_werte.speichern(E::Zielregel, zielregelName(e.zielregel));
    if (e == vorher)
        return true;
    m_rennen.einstellungenAnwenden(e);
    // The heats of a lane-change race are driven in one format.
    if (e.spurwechsel)
        m_rennen.spurwechselVonVorn();
    return true;
}
