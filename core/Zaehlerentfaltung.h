// Turns readings of a wrapping 32-bit counter into a 64-bit count that keeps running
// across the wrap. Readings may go back a little (an event stamped before the last
// clock reading), as long as consecutive readings lie within half the counter's range.
#pragma once

#include <cstdint>
#include <optional>

class Zaehlerentfaltung {
public:
    std::int64_t entfalten(std::int32_t zaehlerstand);

private:
    std::optional<std::int64_t> m_letzter;
};
