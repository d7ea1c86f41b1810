// Faults of a board and its line, made on purpose in the board emulator: a restart whose
// hello never reaches the program, two frames with intact checksums whose times lie an hour
// ahead of the board's clock, and a light command damaged on its way to the board.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

struct Pannenplan {
    std::optional<std::int64_t> neustart;      // ms after green
    std::optional<std::int64_t> falscheZeiten; // ms after green
    std::optional<int> kaputteAmpel; // the first command of this light state loses its CRC
};

class Pannen {
public:
    explicit Pannen(Pannenplan plan) : m_plan(plan) {}

    // True once, when the board is due to restart: at this simulated millisecond, with
    // the green light at `gruen`.
    bool neustartFaellig(std::optional<std::int64_t> gruen, std::int64_t ms);
    // The board's bytes on their way to the program: after a restart its hello is lost.
    std::vector<std::uint8_t> zumProgramm(const std::vector<std::uint8_t>& bytes);
    // The false frames, once, when they are due and the bytes so far end with a whole
    // frame; `platinenzeit` is the board's clock now.
    std::vector<std::uint8_t> falscheZeiten(std::optional<std::int64_t> gruen, std::int64_t ms,
                                            std::uint64_t platinenzeit);
    // The program's bytes on their way to the board; true when a command was damaged.
    bool zurPlatine(std::vector<std::uint8_t>& bytes);
    // The board's time reports that have gone to the program whole.
    int zeitmeldungen() const { return m_zeitmeldungen; }

private:
    static bool faellig(std::optional<std::int64_t> wann, std::optional<std::int64_t> gruen,
                        std::int64_t ms);
    void verfolgen(std::uint8_t byte);

    Pannenplan m_plan;
    bool m_neugestartet = false;
    bool m_gefaelscht = false;
    bool m_beschaedigt = false;
    std::size_t m_verschlucken = 0;
    // Where the board's byte stream stands: header bytes and then frame bytes still to come
    // of a frame of this kind.
    int m_kopf = 0;
    int m_rest = 0;
    std::uint8_t m_art = 0;
    int m_zeitmeldungen = 0;
};
