// The race clock's alarm: calls the race's rennzeitTick once, a given time from now. A race
// by time sets it to the next second its time left changes, and to its end.
#pragma once

#include <cstdint>

class Wecker {
public:
    virtual ~Wecker() = default;
    virtual void stellen(std::int64_t millisekunden) = 0;
    virtual void abstellen() = 0;
};
