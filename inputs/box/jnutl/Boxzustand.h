// What the box library keeps between calls: the frame reader, the box's parameters, the
// ready event and the box clock as last heard.
#pragma once

#include "Boxprotokoll.h"
#include "jnutl.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

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
    struct Zeitbezug {
        std::uint32_t boxzeit;
        std::int64_t hostzeit;
    };

    std::optional<JnutlEreignis> melden(const Boxprotokoll::Ereignisrahmen& rahmen);
    bool durchfahrtZaehlt(const Boxprotokoll::Ereignisrahmen& rahmen);

    Hostuhr m_hostuhr;
    Boxprotokoll::Rahmenleser m_leser;
    std::optional<Parameter> m_scharf;
    std::optional<JnutlEreignis> m_bereit;
    std::optional<Zeitbezug> m_bezug;
    // Per sensor, the time stamp of its last counted passage.
    std::array<std::optional<std::uint32_t>, 2> m_letzteDurchfahrt;
};
