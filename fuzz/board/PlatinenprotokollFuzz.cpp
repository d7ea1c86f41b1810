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

// The first byte chooses the race's mode; a board has said hello and the race runs.
void rennenFuettern(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse == 0)
        return;
    std::int64_t hostzeit = 0;
    Platinenuhr uhr([&] { return hostzeit += 1'000'000; });
    Rennbahn b({.platinenuhr = &uhr});
    Platinenempfang empfang(b.rennen, uhr, b.dialoge);
    b.rennen.beobachterAnmelden(empfang);
    b.einstellen([&](Renneinstellungen& e) {
        e.rundenzahl = 3;
        e.ohneCountdown = daten[0] & 2;
        e.rennmodus = !(daten[0] & 4);
    });
    if (daten[0] & 1)
        b.rennen.einzelmodusUmschalten();
    empfang.portGeoeffnet();
    const std::vector<std::uint8_t> hallo =
        Platinenprotokoll::kodieren(Platinenprotokoll::Hallo{1, 0, 4, 2'000'000, 0});
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
