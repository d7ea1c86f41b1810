// The lap sensors' port as the program opens it: first as a sensor board's line, asking
// for the board's hello while the board's reset on opening passes; when no board answers
// in time, as the modem lines of plain sensors, which the RTS output goes to.
#pragma once

#include "Datenleitung.h"
#include "Platinenempfang.h"
#include "SerielleSchnittstelle.h"
#include "SeriellerAnschluss.h"

#include <QTimer>

class Sensoranschluss final : public SeriellerAnschluss, public SerielleSchnittstelle {
public:
    // How often the board is asked, and how many times before the lines take over: a
    // board resets when its port opens and its bootloader waits up to about two seconds.
    static constexpr int FrageabstandMs = 250;
    static constexpr int Fragen = 10;

    // `leitungen` is the lines' port and its RTS output, one object in the program.
    Sensoranschluss(SeriellerAnschluss& leitungen, SerielleSchnittstelle& leitungsausgang,
                    Datenleitung& platine, Platinenempfang& empfang);

    bool oeffnen(const QString& geraet) override;
    void schliessen() override;
    bool istOffen() const override { return m_platine.istOffen() || m_leitungen.istOffen(); }
    void RTSEnable(bool an) override { m_leitungsausgang.RTSEnable(an); }

    // One step of waiting for the hello; the timer calls it while the board is asked.
    void weiterfragen();
    // Only once no board has answered do the modem lines carry the sensors.
    bool mitLeitungen() const override { return m_leitungen.istOffen(); }

private:
    void hallo(bool verstanden);
    void fragen();

    SeriellerAnschluss& m_leitungen;
    SerielleSchnittstelle& m_leitungsausgang;
    Datenleitung& m_platine;
    Platinenempfang& m_empfang;
    QString m_geraet;
    int m_gefragt = 0;
    QTimer m_frage;
};
