// The lap sensors' serial port: opens the device, watches its lines on a thread of its
// own and hands every change to the line handler on the GUI thread; switches RTS.
#pragma once

#include "Leitungswaechter.h"
#include "Sensorgeraet.h"
#include "SerielleSchnittstelle.h"
#include "SeriellerAnschluss.h"

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class Sensorport final : public SeriellerAnschluss, public SerielleSchnittstelle {
public:
    using Oeffner = std::function<std::unique_ptr<Sensorgeraet>(const QString& geraet)>;

    // The clock stamps line changes; it must be safe to read from the watcher's thread.
    explicit Sensorport(Uhr& uhr, Oeffner oeffner = sensorgeraetOeffnen);
    ~Sensorport() override;

    void beiLeitungsereignis(std::function<void(const Leitungsereignis&)> behandlung) {
        m_behandlung = std::move(behandlung);
    }

    bool oeffnen(const QString& geraet) override;
    void schliessen() override;
    bool istOffen() const override { return m_geraet != nullptr; }
    // The lines' levels now; nothing while the port is closed or cannot say.
    std::optional<Pegel> pegel();
    // Kept while the port is closed and applied when it opens.
    void RTSEnable(bool an) override;

private:
    void weitergeben(unsigned generation, const Leitungsereignis& ereignis);
    void stoerungBehandeln(unsigned generation, Stoerung stoerung);

    Uhr& m_uhr;
    Oeffner m_oeffner;
    std::function<void(const Leitungsereignis&)> m_behandlung;
    std::unique_ptr<Sensorgeraet> m_geraet;
    std::unique_ptr<Leitungswaechter> m_waechter;
    bool m_rts = true;
    // Reports of a watcher from before the last open or close are stale.
    unsigned m_generation = 0;
    // Receives the watcher's reports on the GUI thread; pending ones die with it.
    QObject m_empfaenger;
};
