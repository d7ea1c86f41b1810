// The receive side of the box port: each received byte goes to the box library, and the
// lane passages it reports become debounced lap signals on the box clock.
#pragma once

#include "BoxBibliothek.h"
#include "BoxUhr.h"
#include "Dialoge.h"
#include "Rennen.h"
#include "Signalausgang.h"

#include <QByteArray>
#include <functional>

class RaceControlEmpfang {
public:
    RaceControlEmpfang(Rennen& rennen, BoxBibliothek& box, BoxUhr& boxuhr, Dialoge& dialoge);

    // One byte as the port received it.
    void byteEmpfangen(std::uint8_t byte);
    // What the port received since it last told, one byte after the other.
    void empfangen(const QByteArray& bytes);
    // Every passage the box reports, and what became of it.
    void protokollieren(std::function<void(const Signaleintrag&)> protokoll) {
        m_protokoll = std::move(protokoll);
    }

private:
    void durchfahrt(int spur, std::int32_t zeitstempel);
    // A passage stamped far from the box clock: a box fault, told once a race.
    void zeitsprung(int spur, std::int32_t zeitstempel, std::int32_t abstand);
    void boxfehler();

    Rennen& m_rennen;
    BoxBibliothek& m_box;
    BoxUhr& m_boxuhr;
    Dialoge& m_dialoge;
    std::function<void(const Signaleintrag&)> m_protokoll;
};
