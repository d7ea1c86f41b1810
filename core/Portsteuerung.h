// The serial port of the active signal source: the lap sensors' port, or the timing box's
// in RaceControl mode.
#pragma once

#include "Dialoge.h"

#include <QString>

class Portsteuerung {
public:
    virtual ~Portsteuerung() = default;
    // Opens the stored port ("normalOeffnen", asking when none is stored) or the given
    // port, asking again while it cannot be opened.
    virtual void SchnittstelleOeffnen(const QString& modus) = 0;
    // Closes the port of the active signal source, if it is open.
    virtual void aktivenPortSchliessen() = 0;
};

inline const QString NormalOeffnen = QStringLiteral("normalOeffnen");

// "COM ändern": closes the active port, asks for another and opens that one.
inline void comAendern(Portsteuerung& port, Dialoge& dialoge) {
    port.aktivenPortSchliessen();
    const QString nummer = dialoge.eingabe(
        QStringLiteral(
            "Geben Sie bitte die Portnummer der seriellen Schnittstelle für die Rundomat an:"),
        QStringLiteral("welche Schnittstelle"), QStringLiteral("1"));
    port.SchnittstelleOeffnen(nummer);
}
