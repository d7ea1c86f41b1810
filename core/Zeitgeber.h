// The countdown timer Timer1: while enabled it calls Timer1_Timer every 100 ms.
#pragma once

class Zeitgeber {
public:
    virtual ~Zeitgeber() = default;
    virtual void setEnabled(bool an) = 0;
    virtual bool enabled() const = 0;
};
