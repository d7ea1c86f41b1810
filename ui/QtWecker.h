// The race clock's alarm on a single-shot precise QTimer.
#pragma once

#include "Wecker.h"

#include <QTimer>
#include <functional>

class QtWecker final : public Wecker {
public:
    QtWecker() {
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::PreciseTimer);
    }
    void beimWecken(std::function<void()> wecken) {
        QObject::connect(&m_timer, &QTimer::timeout, std::move(wecken));
    }
    void stellen(std::int64_t millisekunden) override {
        m_timer.start(std::chrono::milliseconds(millisekunden));
    }
    void abstellen() override { m_timer.stop(); }

private:
    QTimer m_timer;
};
