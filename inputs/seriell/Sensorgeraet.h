// The lap sensors' serial port as the platform opens it: its four input lines and its RTS
// output. One implementation file per platform.
#pragma once

#include "Leitungsquelle.h"

#include <QString>
#include <memory>

class Sensorgeraet {
public:
    // Closing the port. Any watcher of its lines must have ended before.
    virtual ~Sensorgeraet() = default;
    virtual Leitungsquelle& leitungen() = 0;
    // Errors are ignored: the lamps matter more than the line.
    virtual void RTSEnable(bool an) = 0;
};

// Opens the device for this program alone and sets it up for watching its lines;
// nothing when it does not exist or is in use.
std::unique_ptr<Sensorgeraet> sensorgeraetOeffnen(const QString& geraet);
