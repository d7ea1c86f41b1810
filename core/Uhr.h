// A clock for lap signals and the race clock: ticks and how many make a second.
#pragma once

#include <cstdint>

class Uhr {
public:
    virtual ~Uhr() = default;
    virtual std::int64_t ticks() = 0;
    virtual int ticksProSekunde() const = 0;
};

// The system's monotonic millisecond clock. 64 bits wide, so no race breaks after weeks
// of uptime.
class Systemuhr final : public Uhr {
public:
    std::int64_t ticks() override;
    int ticksProSekunde() const override { return 1000; }
};
