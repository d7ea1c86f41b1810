// A 74HC595 on three pins of the simulated AVR, as the board's lane power outputs hang on
// one: serial data, shift clock, latch clock (output enable low, reset high). What its
// outputs show, bit 0 for QA, and the cycle they last changed.
#pragma once

#include <cstdint>

struct avr_t;
struct avr_irq_t;

class Schieberegister {
public:
    struct Pin {
        char port;
        int bit;
    };
    Schieberegister(avr_t* avr, Pin daten, Pin schieben, Pin uebernehmen);
    Schieberegister(const Schieberegister&) = delete;
    Schieberegister& operator=(const Schieberegister&) = delete;

    // Its outputs are undefined at power-up; here they start low.
    std::uint8_t ausgaenge() const { return m_ausgaenge; }
    std::uint64_t geaendert() const { return m_geaendert; }

private:
    static void datenKommt(avr_irq_t* irq, std::uint32_t wert, void* selbst);
    static void schiebetakt(avr_irq_t* irq, std::uint32_t wert, void* selbst);
    static void uebernahmetakt(avr_irq_t* irq, std::uint32_t wert, void* selbst);

    avr_t* m_avr;
    bool m_daten = false;
    bool m_schieben = false;
    bool m_uebernehmen = false;
    std::uint8_t m_register = 0;
    std::uint8_t m_ausgaenge = 0;
    std::uint64_t m_geaendert = 0;
};
