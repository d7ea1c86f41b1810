// A serial port that carries bytes: the timing box's, a sensor board's line.
// Received bytes go to whoever handles them, on the GUI thread and in order.
#pragma once

#include "SeriellerAnschluss.h"

#include <QByteArray>
#include <functional>

class Datenleitung : public SeriellerAnschluss {
public:
    void beiEmpfang(std::function<void(const QByteArray&)> empfang) {
        m_empfang = std::move(empfang);
    }
    // Bytes for the other end; nothing while the port is closed.
    virtual void senden(const QByteArray& bytes) = 0;

protected:
    void empfangen(const QByteArray& bytes) {
        if (m_empfang)
            m_empfang(bytes);
    }

private:
    std::function<void(const QByteArray&)> m_empfang;
};
