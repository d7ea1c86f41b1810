// Feeds arbitrary bytes to the box protocol reader and to the box library. Every frame
// read must be, byte for byte, a frame that stands in the input (in order, without
// overlap), and nothing may crash whatever the line brings.
#include "Boxprotokoll.h"
#include "Boxzustand.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

void rahmenPruefen(const std::uint8_t* daten, std::size_t groesse) {
    const std::uint8_t* ende = daten + groesse;
    const std::uint8_t* weiter = daten;
    Boxprotokoll::Rahmenleser leser;
    for (const std::uint8_t* byte = daten; byte != ende; ++byte) {
        leser.aufnehmen(*byte);
        while (const std::optional<Boxprotokoll::Rahmen> rahmen = leser.naechsterRahmen()) {
            const std::vector<std::uint8_t> bytes = Boxprotokoll::kodieren(*rahmen);
            const std::uint8_t* fundstelle =
                std::search(weiter, byte + 1, bytes.begin(), bytes.end());
            if (fundstelle == byte + 1)
                std::abort();
            weiter = fundstelle + bytes.size();
        }
    }
}

void bibliothekFuettern(const std::uint8_t* daten, std::size_t groesse) {
    std::int64_t hostzeit = 0;
    Boxzustand box([&hostzeit] { return hostzeit += 1'000'000; });
    box.InitBoxes();
    if (groesse >= 8) {
        // The first bytes arm the box with any parameters, sensible or not.
        std::array<std::int16_t, 8> konfiguration{};
        for (std::size_t i = 0; i < konfiguration.size(); ++i)
            konfiguration[i] = static_cast<std::int16_t>(daten[i] * 257 - 32768);
        box.OpenBox(0, konfiguration.data());
    }
    for (std::size_t i = 0; i < groesse; ++i) {
        if (box.RX_data(0, daten[i]) == JnutlEreignisBereit) {
            JnutlEreignis ereignis{};
            if (box.Get_Event(&ereignis) != 0 || ereignis.code == 0)
                std::abort();
        }
        box.Get_TStamp(0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    rahmenPruefen(daten, groesse);
    bibliothekFuettern(daten, groesse);
    return 0;
}
