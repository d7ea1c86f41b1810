// Stand-ins for the pieces that are not wired yet: no serial port, no box. They keep
// the program usable from the keyboard until the real ones arrive.

#include "BoxBibliothek.h"
#include "Portsteuerung.h"
#include "SerielleSchnittstelle.h"

class OhnePort final : public Portsteuerung, public SerielleSchnittstelle {
public:
    void SchnittstelleOeffnen(const QString&) override {}
    void aktivenPortSchliessen() override {}
    void RTSEnable(bool) override {}
};

class OhneBox final : public BoxBibliothek {
public:
    std::int16_t InitBoxes() override { return 0; }
    void OpenBox(std::int32_t, const BoxKonfiguration&) override {}
    std::int16_t RX_data(std::int32_t, std::uint8_t) override { return 0; }
    BoxEreignisDaten Get_Event() override { return {}; }
    std::int32_t Get_TStamp(std::int32_t) override { return 0; }
};
