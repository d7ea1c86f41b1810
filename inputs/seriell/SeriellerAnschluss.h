// One of the two serial-port controls: the lap sensors' port or the timing box's, as the
// opening procedure drives them.
#pragma once

#include "Leitungen.h"

#include <QString>
#include <functional>

class SeriellerAnschluss {
public:
    virtual ~SeriellerAnschluss() = default;
    // Opens the device, closing a port this control held before; false when it does not
    // exist or is in use.
    virtual bool oeffnen(const QString& geraet) = 0;
    virtual void schliessen() = 0;
    virtual bool istOffen() const = 0;

    // Who hears, on the GUI thread, that an open port failed on its own. The port is
    // closed by then.
    void beiStoerung(std::function<void(Stoerung)> meldung) { m_beiStoerung = std::move(meldung); }

protected:
    void stoerungMelden(Stoerung stoerung) {
        if (m_beiStoerung)
            m_beiStoerung(stoerung);
    }

private:
    std::function<void(Stoerung)> m_beiStoerung;
};
