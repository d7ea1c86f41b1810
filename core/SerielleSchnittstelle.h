// The serial port of the lap sensors, as far as the start light needs it: the RTS output,
// which is off while a race runs. Writing it to a port that is not open does nothing.
#pragma once

#include "Rennbeobachter.h"

class SerielleSchnittstelle {
public:
    virtual ~SerielleSchnittstelle() = default;
    virtual void RTSEnable(bool an) = 0;
};

// Follows the start light with the sensor port's RTS output: off exactly while the light
// is green, so whatever hangs on the line knows when the race runs.
class Startleitung final : public Rennbeobachter {
public:
    explicit Startleitung(SerielleSchnittstelle& port) : m_port(port) {}
    void ampelGesetzt(const Rennen&, Ampel ampel) override {
        m_port.RTSEnable(ampel != Ampel::Gruen);
    }

private:
    SerielleSchnittstelle& m_port;
};
