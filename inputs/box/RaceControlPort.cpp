#include "RaceControlPort.h"

RaceControlPort::RaceControlPort(QSerialPort& MSCommRC, RaceControlEmpfang& empfang)
    : m_port(MSCommRC), m_empfang(empfang) {
    connect(&m_port, &QSerialPort::readyRead, this, &RaceControlPort::lesen);
}

void RaceControlPort::einrichten(QSerialPort& port) {
    port.setBaudRate(4800);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    port.setReadBufferSize(4096);
}

void RaceControlPort::lesen() {
    // The port signals once for many bytes; each one is an event of its own for the
    // handler. A message box opened by the handler may read the rest meanwhile.
    char byte = 0;
    while (m_port.getChar(&byte))
        m_empfang.MSCommRC_OnComm(static_cast<std::uint8_t>(byte));
}
