// What the box library keeps between calls: the frame reader, the box's parameters, the
// ready event and the box clock as heard in the last time frames.
#pragma once

#include "Boxprotokoll.h"
#include "jnutl.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

constexpr std::int16_t JnutlVersion = 0x0100;
constexpr std::int16_t JnutlEreignisBereit = 2;

class Boxzustand {
public:
    // Monotonic host time in nanoseconds. It carries the box clock on between time frames,
    // and while the program drops the box's bytes during a crash pause.
    using Hostuhr = std::function<std::int64_t()>;
    explicit Boxzustand(Hostuhr hostuhr);

    std::int16_t InitBoxes();
    std::int16_t OpenBox(std::int32_t box, const std::int16_t* konfiguration);
    std::int16_t RX_data(std::int32_t box, std::int32_t byte);
    std::int16_t Get_Event(JnutlEreignis* ereignis);
    std::int32_t Get_TStamp(std::int32_t box);

private:
    struct Parameter {
        int empfindlichkeit = 0;
        int verzoegerungMs = 0;
        int nachlauf = 0; // tenths of a second
        bool sensorTausch = false;
    };
    // The box clock stood at `boxzeit` at host time `hostzeit`, or later: a frame that was
    // read late makes the box clock look slow, never fast.
    struct Zeitbezug {
        std::uint32_t boxzeit;
        std::int64_t hostzeit;
    };

    std::optional<JnutlEreignis> melden(const Boxprotokoll::Ereignisrahmen& rahmen);
    bool durchfahrtZaehlt(const Boxprotokoll::Ereignisrahmen& rahmen);
    void zeitGehoert(std::uint32_t boxzeit);
    // How much later `a` puts the box clock than `b`, in ticks.
    static std::int32_t vorsprung(const Zeitbezug& a, const Zeitbezug& b);
    // The reference that puts the box clock latest, so the least delayed frame counts.
    const Zeitbezug& besterBezug() const;

    Hostuhr m_hostuhr;
    Boxprotokoll::Rahmenleser m_leser;
    std::optional<Parameter> m_scharf;
    std::optional<JnutlEreignis> m_bereit;
    // The time frames of the last seconds, the newest last; never empty once one was heard.
    std::deque<Zeitbezug> m_bezuege;
    // Frames whose clock lies far from the one heard, in case the box really jumped.
    std::vector<Zeitbezug> m_sprung;
    // Per sensor, the time stamp of its last counted passage.
    std::array<std::optional<std::uint32_t>, 2> m_letzteDurchfahrt;
};
