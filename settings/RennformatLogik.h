// The window "Rennformat": a race by laps or by time, its length in time and the rule that
// ends it. It opens between races only; OK checks the length, applies the format to the
// race and stores it, and a lane-change race then begins again with its first heat.
#pragma once

#include "Einstellungswerte.h"
#include "Rennen.h"

struct RennformatAnsicht {
    bool nachZeit = false;
    QString dauer; // "3:00", "1:30:00", or minutes alone ("5")
    Zielregel zielregel = Zielregel::RundeBeenden;

    bool operator==(const RennformatAnsicht&) const = default;
};

// A length as typed: "m:ss", "h:mm:ss", or whole minutes; none for anything else.
std::optional<std::int32_t> renndauerLesen(const QString& text);

class RennformatLogik {
public:
    RennformatLogik(Rennen& rennen, Einstellungsspeicher& speicher, Dialoge& dialoge);

    RennformatAnsicht ansicht;
    // The time and the rule count only by time.
    bool zeitWaehlbar() const { return ansicht.nachZeit; }
    // False while the window must stay open: the length was refused with a message.
    bool okGedrueckt();

private:
    Rennen& m_rennen;
    Einstellungswerte m_werte;
    Dialoge& m_dialoge;
};
