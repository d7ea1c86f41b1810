// A serial port for bytes at a fixed speed, 8N1 without handshake: the timing box's port
// at 4800 baud, a sensor board's line at 115200. A port that fails while open
// (unplugged) is closed and reported.
#pragma once

#include "Datenleitung.h"

#include <QSerialPort>

class Datenport final : public Datenleitung {
public:
    explicit Datenport(qint32 baud);
    ~Datenport() override = default;

    bool oeffnen(const QString& geraet) override;
    void schliessen() override { m_port.close(); }
    bool istOffen() const override { return m_port.isOpen(); }
    void senden(const QByteArray& bytes) override;

private:
    QSerialPort m_port;
    qint32 m_baud;
};
