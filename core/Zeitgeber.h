// A timer of the race: while enabled, the platform calls the race's tick every 100 ms.
#pragma once

class Zeitgeber {
public:
    virtual ~Zeitgeber() = default;
    virtual void setEnabled(bool an) = 0;
    virtual bool enabled() const = 0;
};
