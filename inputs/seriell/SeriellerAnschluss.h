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

    // Whether the modem lines carry the sensors: a track of more than four lanes then needs
    // a second port, which a board with inputs for every lane does not.
    virtual bool mitLeitungen() const { return istOffen(); }
    // Who hears that the lines took over after the port was opened (when no board answered).
    void beiLeitungen(std::function<void()> aktion) { m_beiLeitungen = std::move(aktion); }

protected:
    void stoerungMelden(Stoerung stoerung) {
        if (m_beiStoerung)
            m_beiStoerung(stoerung);
    }
    void leitungenMelden() {
        if (m_beiLeitungen)
            m_beiLeitungen();
    }

private:
    std::function<void(Stoerung)> m_beiStoerung;
    std::function<void()> m_beiLeitungen;
};
