// libFuzzer entry for the hof.ini reader: any bytes give a list or none, never a crash,
// and a list once read survives writing and reading again unchanged.
#include "HofDatei.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::optional<Hofliste> gelesen =
        HofDatei::lesen(QByteArrayView(daten, static_cast<qsizetype>(groesse)));
    if (!gelesen)
        return 0;
    // The first write may shorten a value to 15 significant digits; from then on the file
    // is stable.
    const std::optional<Hofliste> einmal = HofDatei::lesen(HofDatei::schreiben(*gelesen));
    if (!einmal)
        std::abort();
    const std::optional<Hofliste> zweimal = HofDatei::lesen(HofDatei::schreiben(*einmal));
    if (zweimal != einmal)
        std::abort();
    return 0;
}
