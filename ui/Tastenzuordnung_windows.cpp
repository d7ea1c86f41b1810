// Windows: the virtual keys '1' and '2' are the main row's digit keys on every layout; the
// numeric keypad has keys of its own.
#include "Tastenzuordnung.h"

std::optional<Taste> physischeZiffer(quint32, quint32 virtuelleTaste) {
    switch (virtuelleTaste) {
    case 0x31: return Taste::Ziffer1;
    case 0x32: return Taste::Ziffer2;
    default: return std::nullopt;
    }
}
