// A thread of its own for the history's work on the database, which may wait for the disk
// or for another program's lock, and the way back: answers run on the thread that made
// this object, in the order they were sent.
#pragma once

#include <QObject>
#include <QThread>
#include <functional>

class Arbeitsfaden {
public:
    explicit Arbeitsfaden(const QString& name) {
        m_faden.setObjectName(name);
        m_dort.moveToThread(&m_faden);
        m_faden.start();
    }
    // Ends the thread once the work handed over is done.
    ~Arbeitsfaden() {
        m_faden.quit();
        m_faden.wait();
    }
    Arbeitsfaden(const Arbeitsfaden&) = delete;
    Arbeitsfaden& operator=(const Arbeitsfaden&) = delete;

    // Runs the work on the thread after what was handed over before.
    void dort(std::function<void()> arbeit) {
        QMetaObject::invokeMethod(&m_dort, std::move(arbeit));
    }
    // The same, returning when it is done.
    void dortAbwarten(std::function<void()> arbeit) {
        QMetaObject::invokeMethod(&m_dort, std::move(arbeit), Qt::BlockingQueuedConnection);
    }
    // From the thread: runs the answer on the thread that made this object.
    void hier(std::function<void()> antwort) {
        QMetaObject::invokeMethod(&m_hier, std::move(antwort));
    }
    // Lives on the thread: timers there are bound to it.
    QObject& dortKontext() { return m_dort; }

private:
    QObject m_hier;
    QThread m_faden;
    QObject m_dort;
};
