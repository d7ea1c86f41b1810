// Feeds arbitrary bytes to the sensor board's protocol reader and to the program's board
// receiver in a running race. Every report read must be, byte for byte, a frame that
// stands in the input (in order, without overlap), and nothing may crash or overflow
// whatever the line brings: absurd stamps, clock rates, restarts, error reports.
#include "Platinenempfang.h"
#include "Rennbahn.h"

#include <algorithm>
#include <cstdlib>

namespace {

void meldungenPruefen(const std::uint8_t* daten, std::size_t groesse) {
    const std::uint8_t* ende = daten + groesse;
    const std::uint8_t* weiter = daten;
    Platinenprotokoll::Leser leser;
    for (const std::uint8_t* byte = daten; byte != ende; ++byte) {
        leser.aufnehmen(*byte);
        while (const std::optional<Platinenprotokoll::Meldung> meldung = leser.naechste()) {
            const std::vector<std::uint8_t> bytes = Platinenprotokoll::kodieren(*meldung);
            const std::uint8_t* fundstelle =
                std::search(weiter, byte + 1, bytes.begin(), bytes.end());
            if (fundstelle == byte + 1)
                std::abort();
            weiter = fundstelle + bytes.size();
        }
    }
}

// The first byte chooses the race: single mode (bit 0, two lanes only), no countdown (1),
// training (2), 2 to 8 lanes (bits 3 to 5), a board of firmware 1.1 with eight inputs rather
// than 1.0 with four (6), lane 2 free (7). A board has said hello and the race runs.
void rennenFuettern(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse == 0)
        return;
    const std::uint8_t wahl = daten[0];
    std::int64_t hostzeit = 0;
    Platinenuhr uhr([&] { return hostzeit += 1'000'000; });
    Rennbahn b({.platinenuhr = &uhr});
    Platinenempfang empfang(b.rennen, uhr, b.dialoge);
    b.rennen.beobachterAnmelden(empfang);
    b.einstellen([&](Renneinstellungen& e) {
        e.spuranzahl = KleinsteSpurenzahl + ((wahl >> 3) & 7) % 7;
        e.freieSpuren = wahl & 128 ? 1U << 1 : 0U;
        e.rundenzahl = 3;
        e.ohneCountdown = wahl & 2;
        e.rennmodus = !(wahl & 4);
    });
    if (wahl & 1)
        b.rennen.einzelmodusUmschalten();
    empfang.portGeoeffnet();
    const Platinenprotokoll::Hallo platine =
        wahl & 64 ? Platinenprotokoll::Hallo{Platinenprotokoll::Major, Platinenprotokoll::Minor,
                                             Platinenprotokoll::Eingaenge, 2'000'000, 0}
                  : Platinenprotokoll::Hallo{1, 0, 4, 2'000'000, 0};
    const std::vector<std::uint8_t> hallo = Platinenprotokoll::kodieren(platine);
    empfang.empfangen(QByteArray(reinterpret_cast<const char*>(hallo.data()),
                                 static_cast<qsizetype>(hallo.size())));
    b.rennen.startGedrueckt();
    b.countdown(50);
    for (std::size_t i = 1; i < groesse; ++i)
        empfang.empfangen(QByteArray(1, static_cast<char>(daten[i])));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    meldungenPruefen(daten, groesse);
    rennenFuettern(daten, groesse);
    return 0;
}
