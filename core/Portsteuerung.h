// The serial port of the active signal source: the lap sensors' port, or the timing box's
// in RaceControl mode.
#pragma once

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
