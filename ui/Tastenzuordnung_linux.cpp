// Linux (X11 and Wayland): key events carry the xkb key code, the evdev code plus 8; the
// main row's 1 and 2 are evdev 2 and 3.
#include "Tastenzuordnung.h"

std::optional<Taste> physischeZiffer(quint32 scanCode, quint32) {
    switch (scanCode) {
    case 10: return Taste::Ziffer1;
    case 11: return Taste::Ziffer2;
    default: return std::nullopt;
    }
}
