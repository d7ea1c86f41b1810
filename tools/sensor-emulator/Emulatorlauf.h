// The sensor emulator at work: makes the plan's edges on the shared lines of its one or two
// terminals at their time, fails a port when asked, and writes the record — every edge and
// passage with its true moment, the RTS changes and the moments the program's waits
// returned.
#pragma once

#include "Fahrplan.h"
#include "Leitungsspeicher.h"

#include <array>
#include <cstdio>
#include <optional>
#include <vector>

struct Laufvorgaben {
    std::unique_ptr<Fahrplan> plan; // may be null: the lines stay as they are
    bool abGruen = false;           // zero is the green light (the first port's RTS falls)
    // Seconds after zero at which each port fails.
    std::array<std::optional<double>, 2> trennenNach;
    std::FILE* aufzeichnung = nullptr;
    std::FILE* meldungen = nullptr; // passages for people, may be null
};

class Emulatorlauf {
public:
    // One memory a terminal, the first port's first; as many as the plan's ports.
    Emulatorlauf(std::vector<Leitungsspeicher::Speicher*> ports, Laufvorgaben vorgaben);

    // One round: what is due is done. Returns how long to sleep at most, in ns.
    std::int64_t runde();
    // The ports go away with the emulator: a program still waiting hears it at once.
    void beenden();

private:
    struct Port {
        Leitungsspeicher::Speicher* speicher;
        const char* zusatz; // after the names in the record: "" for the first port, "2"
        bool getrennt = false;
        std::uint32_t rtsGelesen = 0;
        std::uint32_t weckenGelesen = 0;
    };

    void nullpunktSetzen(std::int64_t zeit);
    void anwenden(const Auftrag& auftrag);
    void vermerkeLesen(Port& port);
    void trennen(Port& port);
    void schreiben(const char* format, ...) __attribute__((format(printf, 2, 3)));

    std::vector<Port> m_ports;
    Laufvorgaben m_v;
    std::optional<std::int64_t> m_null;
    std::optional<Auftrag> m_naechster;
};
