// The emulated box's end of the serial line: a real serial device at 4800 baud 8N1, or a
// pseudo-terminal whose other end the program opens like a serial port.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Leitung {
public:
    // A new pseudo-terminal; nothing when the system gives none.
    static std::optional<Leitung> pseudoterminal();
    static std::optional<Leitung> geraet(const std::string& pfad);

    Leitung(Leitung&& andere) noexcept;
    Leitung& operator=(Leitung&&) = delete;
    ~Leitung();

    // The path the program opens.
    const std::string& pfad() const { return m_pfad; }
    // Bytes nobody reads are dropped when the line's buffer is full, as on a real line.
    void senden(const std::vector<std::uint8_t>& bytes);

private:
    Leitung(int schreibende, int offenGehalten, std::string pfad);

    int m_schreibende;
    // The pseudo-terminal's other end stays open, so the program may close and reopen it.
    int m_offenGehalten;
    std::string m_pfad;
};
