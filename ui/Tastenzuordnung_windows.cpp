// Windows: the virtual keys '1' to '8' are the main row's digit keys on every layout; the
// numeric keypad has keys of its own.
#include "Tastenzuordnung.h"

std::optional<Taste> physischeZiffer(quint32, quint32 virtuelleTaste) {
    if (virtuelleTaste < 0x31 || virtuelleTaste > 0x38)
        return std::nullopt;
    return static_cast<Taste>(static_cast<int>(Taste::Ziffer1) +
                              static_cast<int>(virtuelleTaste - 0x31));
}
