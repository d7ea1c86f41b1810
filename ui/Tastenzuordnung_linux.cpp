// Linux (X11 and Wayland): key events carry the xkb key code, the evdev code plus 8; the
// main row's 1 to 8 are evdev 2 to 9.
#include "Tastenzuordnung.h"

std::optional<Taste> physischeZiffer(quint32 scanCode, quint32) {
    if (scanCode < 10 || scanCode > 17)
        return std::nullopt;
    return static_cast<Taste>(static_cast<int>(Taste::Ziffer1) + static_cast<int>(scanCode - 10));
}
