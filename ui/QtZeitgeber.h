// The countdown timer on a QTimer: every 100 ms while enabled.
#pragma once

#include "Zeitgeber.h"

#include <QTimer>
#include <functional>

class QtZeitgeber final : public Zeitgeber {
public:
    QtZeitgeber() {
        m_timer.setInterval(100);
        m_timer.setTimerType(Qt::PreciseTimer);
    }
    void beiJedemTick(std::function<void()> tick) {
        QObject::connect(&m_timer, &QTimer::timeout, std::move(tick));
    }
    void setEnabled(bool an) override { an ? m_timer.start() : m_timer.stop(); }
    bool enabled() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};
