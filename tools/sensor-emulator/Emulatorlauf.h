// The sensor emulator at work: makes the plan's edges on the shared lines at their time,
// fails the port when asked, and writes the record — every edge and passage with its true
// moment, the RTS changes and the moments the program's waits returned.
#pragma once

#include "Fahrplan.h"
#include "Leitungsspeicher.h"

#include <cstdio>
#include <optional>

struct Laufvorgaben {
    std::unique_ptr<Fahrplan> plan;    // may be null: the lines stay as they are
    bool abGruen = false;              // zero is the green light, not the start
    std::optional<double> trennenNach; // seconds after zero
    std::FILE* aufzeichnung = nullptr;
    std::FILE* meldungen = nullptr; // passages for people, may be null
};

class Emulatorlauf {
public:
    Emulatorlauf(Leitungsspeicher::Speicher& speicher, Laufvorgaben vorgaben);

    // One round: what is due is done. Returns how long to sleep at most, in ns.
    std::int64_t runde();
    // The port goes away with the emulator: a program still waiting hears it at once.
    void beenden();

private:
    void nullpunktSetzen(std::int64_t zeit);
    void anwenden(const Auftrag& auftrag);
    void vermerkeLesen();
    void trennen();
    void schreiben(const char* format, ...) __attribute__((format(printf, 2, 3)));

    Leitungsspeicher::Speicher& m_s;
    Laufvorgaben m_v;
    std::optional<std::int64_t> m_null;
    std::optional<Auftrag> m_naechster;
    bool m_getrennt = false;
    std::uint32_t m_rtsGelesen = 0;
    std::uint32_t m_weckenGelesen = 0;
};
