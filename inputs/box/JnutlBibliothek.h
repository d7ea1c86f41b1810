// The box library, loaded from its file at the first call: from the program's library
// folder first, then wherever the system looks for libraries. Without it every operation does
// nothing.
#pragma once

#include "BoxBibliothek.h"
#include "Programmdateien.h"
#include "jnutl.h"

#include <QLibrary>
#include <QStringList>

class JnutlBibliothek final : public BoxBibliothek {
public:
    // The file names or paths to try, in order.
    explicit JnutlBibliothek(QStringList orte);
    // In the program's library folder, then by name through the system's search.
    static QStringList standardorte(const Programmdateien& dateien);
    // The library's file name on this platform.
    static QString dateiname();

    std::optional<QString> ladefehler() override;
    std::int16_t InitBoxes() override;
    void OpenBox(std::int32_t box, const BoxKonfiguration& konfiguration) override;
    std::int16_t RX_data(std::int32_t box, std::uint8_t byte) override;
    BoxEreignisDaten Get_Event() override;
    std::int32_t Get_TStamp(std::int32_t box) override;

private:
    struct Einsprungpunkte {
        decltype(&::InitBoxes) InitBoxes;
        decltype(&::OpenBox) OpenBox;
        decltype(&::RX_data) RX_data;
        decltype(&::Get_Event) Get_Event;
        decltype(&::Get_TStamp) Get_TStamp;
    };

    // The entry points; the first call loads the library. Only ladefehler() tries a
    // failed one again, so a library copied in after its message is found, while
    // calls in between do not search the disk each time.
    const Einsprungpunkte* laden();
    void versuchen();
    QString suchorte() const;
    std::optional<Einsprungpunkte> ladenVon(const QString& ort);

    QStringList m_orte;
    QLibrary m_bibliothek;
    std::optional<Einsprungpunkte> m_einsprung;
    bool m_versucht = false;
    QString m_fehlenderEinsprung;
};
