// The serial port of the lap sensors, as far as the race needs it: the RTS output, which
// is off while a race runs. Writing it to a port that is not open does nothing.
#pragma once

class SerielleSchnittstelle {
public:
    virtual ~SerielleSchnittstelle() = default;
    virtual void RTSEnable(bool an) = 0;
};
