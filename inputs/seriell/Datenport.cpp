#include "Datenport.h"

Datenport::Datenport(qint32 baud) : m_baud(baud) {
    QObject::connect(&m_port, &QSerialPort::readyRead, &m_port,
                     [this] { empfangen(m_port.readAll()); });
    // A vanished device reads as a resource error (EIO) or, at a hang-up, as a read error
    // that Qt repeats for as long as the port stays open. Queued: Qt reports from inside
    // its own read handler, which must not close the port under its feet.
    QObject::connect(
        &m_port, &QSerialPort::errorOccurred, &m_port,
        [this](QSerialPort::SerialPortError fehler) {
            const bool weg =
                fehler == QSerialPort::ResourceError || fehler == QSerialPort::ReadError;
            if (!weg || !m_port.isOpen())
                return;
            m_port.close();
            stoerungMelden(Stoerung::Getrennt);
        },
        Qt::QueuedConnection);
}

bool Datenport::oeffnen(const QString& geraet) {
    m_port.close();
    m_port.setPortName(geraet);
    m_port.setBaudRate(m_baud);
    m_port.setDataBits(QSerialPort::Data8);
    m_port.setParity(QSerialPort::NoParity);
    m_port.setStopBits(QSerialPort::OneStop);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    m_port.setReadBufferSize(4096);
    return m_port.open(QIODevice::ReadWrite);
}

void Datenport::senden(const QByteArray& bytes) {
    if (m_port.isOpen())
        m_port.write(bytes);
}
