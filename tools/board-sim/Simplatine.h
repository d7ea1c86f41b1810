// The sensor board's real firmware in a simulated ATmega328P at 16 MHz (simavr): lane
// inputs set at chosen simulated times, the bytes its UART sends with the moment each left,
// bytes for its UART, the lamp and relay pins, and the lanes' power outputs. For the
// firmware tests, the benchmark and the board emulator.
#pragma once

#include "Platinenprotokoll.h"
#include "Schieberegister.h"

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct avr_t;
struct avr_irq_t;

class Simplatine {
public:
    static constexpr std::uint64_t Takt = 16'000'000;
    // The board clock's tick: 8 cycles, 0.5 us.
    static constexpr std::uint64_t ZyklenProTick = 8;

    struct Byte {
        std::uint8_t wert;
        std::uint64_t zyklus; // when the firmware wrote it to the UART
    };

    // `brueckeGesteckt`: the wire from D8 to ground that turns the race output round.
    explicit Simplatine(const std::string& elfDatei, bool brueckeGesteckt = false);
    ~Simplatine();
    Simplatine(const Simplatine&) = delete;
    Simplatine& operator=(const Simplatine&) = delete;

    std::uint64_t zyklus() const;
    // The cycle at which the board clock stood at zero.
    std::uint64_t uhrStart() const { return m_uhrStart; }
    // Runs the firmware until the simulated clock reaches this cycle.
    void laufenBis(std::uint64_t zyklus);

    // Lane input 1 to 8 goes to this level at that cycle (not before the present).
    void spurSetzen(int spur, bool pegel, std::uint64_t zyklus);
    // Bytes to the board's UART, one after the other at the line's speed.
    void senden(const std::vector<std::uint8_t>& bytes);
    // What the board sent since the last call.
    std::vector<Byte> empfangen();

    struct Empfang {
        Platinenprotokoll::Meldung meldung;
        std::uint64_t zyklus; // when its last byte left
    };
    // The same, read as the program reads it.
    std::vector<Empfang> meldungen();
    // The simulated moment a board stamp stands for, in cycles.
    double zyklusVon(std::uint64_t stempel) const {
        return static_cast<double>(m_uhrStart) + static_cast<double>(stempel * ZyklenProTick);
    }

    // The five lamps, bit 0 for lamp 1, and the race output.
    std::uint8_t lampen() const;
    bool rennausgang() const;
    // The lanes with power, bit 0 for lane 1, from the shift register on D13, A4 and A5; and
    // the cycle that last changed them.
    std::uint8_t spurstrom() const { return m_spurstrom->ausgaenge(); }
    std::uint64_t spurstromGeaendert() const { return m_spurstrom->geaendert(); }

private:
    static std::uint64_t pinsSetzen(avr_t* avr, std::uint64_t zyklus, void* selbst);
    static std::uint64_t byteEinspeisen(avr_t* avr, std::uint64_t zyklus, void* selbst);
    static void byteGesendet(avr_irq_t* irq, std::uint32_t wert, void* selbst);
    static void uhrGestartet(avr_t* avr, std::uint16_t adresse, std::uint8_t wert, void* selbst);
    std::uint8_t portD() const;
    void naechstePinsPlanen();

    avr_t* m_avr = nullptr;
    std::uint64_t m_uhrStart = 0;
    std::vector<Byte> m_gesendet;
    Platinenprotokoll::Leser m_leser;
    std::deque<std::uint8_t> m_eingang;
    // Pending lane changes by cycle: lane index and level.
    std::multimap<std::uint64_t, std::pair<int, bool>> m_pins;
    std::uint64_t m_byteZyklen;
    std::optional<Schieberegister> m_spurstrom;
    // The levels bridge and sensors hold the input pins of ports B and C at from outside.
    std::uint8_t m_aussenB = 0;
    std::uint8_t m_aussenC = 0;
};
