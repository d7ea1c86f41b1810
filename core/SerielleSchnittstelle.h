// The serial port of the lap sensors, as far as the race needs it: the RTS output, which
// is off while a race runs, and the traffic light for a sensor board that drives lamps.
// Writing to a port that is not open does nothing.
#pragma once

class SerielleSchnittstelle {
public:
    virtual ~SerielleSchnittstelle() = default;
    virtual void RTSEnable(bool an) = 0;
    // Every state the traffic light takes, 0 to 8.
    virtual void AmpelZustand(int zustand) = 0;
};
