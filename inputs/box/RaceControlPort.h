// The box's serial port as the receive side needs it: the box's line settings, and every
// received byte handed to the receive handler on its own.
#pragma once

#include "RaceControlEmpfang.h"

#include <QObject>
#include <QSerialPort>

class RaceControlPort : public QObject {
public:
    RaceControlPort(QSerialPort& MSCommRC, RaceControlEmpfang& empfang);

    // 4800 baud, 8 data bits, no parity, one stop bit; for whoever opens the port.
    static void einrichten(QSerialPort& port);

private:
    void lesen();

    QSerialPort& m_port;
    RaceControlEmpfang& m_empfang;
};
