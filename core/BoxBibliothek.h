// The five operations of the timing box's library. The box argument is always 0.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// Event codes the program relies on.
namespace Boxereignis {
constexpr std::int32_t DurchfahrtSpur1 = 0x202;
constexpr std::int32_t DurchfahrtSpur2 = 0x203;
// Any code whose quotient by 256 is 5: a box error or a lost connection.
constexpr bool istFehler(std::int32_t code) {
    return code >= 0x500 && code <= 0x5FF;
}
} // namespace Boxereignis

// The box's configuration record: eight signed 16-bit fields.
using BoxKonfiguration = std::array<std::int16_t, 8>;

struct BoxEreignisDaten {
    std::int32_t code = 0;
    std::int32_t zeitstempel = 0; // ticks of 1/4800 s
};

class BoxBibliothek {
public:
    virtual ~BoxBibliothek() = default;

    // Why the library cannot be used, as the user is to read it; nothing once it is
    // loaded. Asking loads it.
    virtual std::optional<QString> ladefehler() = 0;

    // _InitBoxes@0: resets the library; high byte major, low byte minor version.
    virtual std::int16_t InitBoxes() = 0;
    // _OpenBox@8: arms the box for a race.
    virtual void OpenBox(std::int32_t box, const BoxKonfiguration& konfiguration) = 0;
    // _RX_data@8: consumes one received byte; 2 when an event is ready.
    virtual std::int16_t RX_data(std::int32_t box, std::uint8_t byte) = 0;
    // _Get_Event@4: the ready event.
    virtual BoxEreignisDaten Get_Event() = 0;
    // _Get_TStamp@4: the box's current time in ticks of 1/4800 s.
    virtual std::int32_t Get_TStamp(std::int32_t box) = 0;
};

constexpr int BoxTicksProSekunde = 4800;

// The record that arms the box with the four parameters the user set.
constexpr BoxKonfiguration boxKonfiguration(std::int32_t empfindlichkeit, std::int32_t verzoegerung,
                                            std::int32_t nachlauf, bool sensorTausch) {
    return {0,
            0,
            static_cast<std::int16_t>(empfindlichkeit),
            static_cast<std::int16_t>(verzoegerung),
            static_cast<std::int16_t>(nachlauf),
            0,
            static_cast<std::int16_t>(sensorTausch ? -1 : 0),
            -1};
}
