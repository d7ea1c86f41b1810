// An emulator's end of the serial line (the timing box's, the sensor board's): a real
// serial device at the emulated peer's speed, 8N1, or a pseudo-terminal whose other end the
// program opens like a serial port. Nothing ever blocks.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <termios.h>
#include <vector>

class Leitung {
public:
    // A new pseudo-terminal; nothing when the system gives none.
    static std::optional<Leitung> pseudoterminal(speed_t baud = B4800);
    static std::optional<Leitung> geraet(const std::string& pfad, speed_t baud = B4800);

    Leitung(Leitung&& andere) noexcept;
    Leitung& operator=(Leitung&&) = delete;
    ~Leitung();

    // The path the program opens.
    const std::string& pfad() const { return m_pfad; }
    // Bytes nobody reads are dropped when the line's buffer is full, as on a real line.
    void senden(const std::vector<std::uint8_t>& bytes);
    // What the program sent since the last call.
    std::vector<std::uint8_t> empfangen();

private:
    Leitung(int ende, int offenGehalten, std::string pfad);

    int m_ende;
    // The pseudo-terminal's other end stays open, so the program may close and reopen it.
    int m_offenGehalten;
    std::string m_pfad;
};
