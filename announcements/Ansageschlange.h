// The announcements waiting to be said, and which of them go stale. A lane's lap
// announcement is stale once the lane has a newer one, so at most one waits per lane (or
// per other "fach", such as the crash pause) and the newest wins; announcements without a
// fach, such as the race end's, wait until they are said. Urgent ones go before the rest.
#pragma once

#include "Reihe.h"

#include <QString>
#include <deque>
#include <optional>
#include <vector>

struct Ansage {
    QString text;
    // 0: waits until it is said; otherwise only the newest of its fach waits.
    int fach = 0;
    // Said before everything that waits without being urgent (a crash, a false start).
    bool dringend = false;
};

// The fächer besides the lanes, 1 to 8.
namespace Ansagefach {
constexpr int Bleibt = 0;
constexpr int Crash = GroessteSpurenzahl + 1;
} // namespace Ansagefach

class Ansageschlange {
public:
    // Queues the announcement; returns the one of the same fach it pushed out, if any.
    std::optional<Ansage> einreihen(Ansage ansage);
    // Takes the announcement to say next: the oldest urgent one, else the oldest.
    std::optional<Ansage> naechste();
    // Takes out every waiting announcement, or only those with a fach, in the order they
    // were queued.
    enum class Auswahl { Alle, MitFach };
    std::vector<Ansage> verwerfen(Auswahl auswahl = Auswahl::Alle);

private:
    std::deque<Ansage> m_wartend;
};
