// Where finished races go: the database behind a worker thread in the program, a list in
// tests. Failures come back on the GUI thread.
#pragma once

#include "Rennaufzeichnung.h"

#include <QString>
#include <functional>

class Verlaufsablage {
public:
    virtual ~Verlaufsablage() = default;
    virtual void ablegen(Rennaufzeichnung aufzeichnung) = 0;
    // Who hears that a race could not be stored, with the reason.
    void beiFehler(std::function<void(const QString&)> meldung) {
        m_beiFehler = std::move(meldung);
    }

protected:
    void fehlerMelden(const QString& grund) {
        if (m_beiFehler)
            m_beiFehler(grund);
    }

private:
    std::function<void(const QString&)> m_beiFehler;
};
