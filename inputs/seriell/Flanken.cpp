#include "Flanken.h"

#include <algorithm>

namespace {
void flankenEinerLeitung(std::vector<Flanke>& flanken, Leitung leitung, bool alterPegel,
                         bool neuerPegel, std::optional<std::uint32_t> gezaehlt) {
    // Without counters a change and its return between two readings cancel out.
    const std::uint32_t anzahl =
        gezaehlt ? std::min(*gezaehlt, HoechstensJeLesung) : (alterPegel != neuerPegel ? 1u : 0u);
    for (std::uint32_t i = 1; i <= anzahl; ++i) {
        // The last change reached the level read now; each earlier one the opposite of
        // its successor's.
        const bool pegel = ((anzahl - i) % 2 == 0) ? neuerPegel : !neuerPegel;
        flanken.push_back({leitung, pegel, i == anzahl});
    }
}
} // namespace

std::vector<Flanke> flankenZwischen(const Leitungsstand& alt, const Leitungsstand& neu) {
    std::vector<Flanke> flanken;
    const bool gezaehlt = alt.zaehler && neu.zaehler;
    // Counters wrap at 2^32; unsigned subtraction gives the changes across the wrap.
    flankenEinerLeitung(flanken, Leitung::CD, alt.pegel.cd, neu.pegel.cd,
                        gezaehlt ? std::optional(neu.zaehler->cd - alt.zaehler->cd) : std::nullopt);
    flankenEinerLeitung(flanken, Leitung::DSR, alt.pegel.dsr, neu.pegel.dsr,
                        gezaehlt ? std::optional(neu.zaehler->dsr - alt.zaehler->dsr)
                                 : std::nullopt);
    return flanken;
}
