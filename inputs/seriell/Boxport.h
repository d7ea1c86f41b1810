// The timing box's port MSCommRC: 4800 baud, 8N1. Its received bytes go to whoever
// handles the box; a port that fails while open (unplugged) is closed and reported.
#pragma once

#include "SeriellerAnschluss.h"

#include <QByteArray>
#include <QSerialPort>
#include <functional>

class Boxport final : public SeriellerAnschluss {
public:
    Boxport();
    ~Boxport() override = default;

    // Called on the GUI thread with the bytes received since the last call, in order.
    void beiEmpfang(std::function<void(const QByteArray&)> empfang) {
        m_empfang = std::move(empfang);
    }

    bool oeffnen(const QString& geraet) override;
    void schliessen() override { m_port.close(); }
    bool PortOpen() const override { return m_port.isOpen(); }

private:
    QSerialPort m_port;
    std::function<void(const QByteArray&)> m_empfang;
};
