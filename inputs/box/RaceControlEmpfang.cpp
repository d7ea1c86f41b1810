#include "RaceControlEmpfang.h"

namespace {
constexpr std::int16_t EreignisBereit = 2;
// Signal times are whole box ticks over 4800. Their sum with a Prellzeit such as 0.3 can
// round a hair above a time exactly Prellzeit later, which must still count; a microsecond
// is far below one tick.
constexpr double Rundungsspiel = 1e-6;
} // namespace

RaceControlEmpfang::RaceControlEmpfang(Rennen& rennen, BoxBibliothek& box, BoxUhr& boxuhr,
                                       Dialoge& dialoge)
    : m_rennen(rennen), m_box(box), m_boxuhr(boxuhr), m_dialoge(dialoge) {}

void RaceControlEmpfang::MSCommRC_OnComm(std::uint8_t byte) {
    if (m_rennen.SignaleGesperrt)
        return;
    if (m_box.RX_data(0, byte) != EreignisBereit)
        return;
    const BoxEreignisDaten ereignis = m_box.Get_Event();
    if (ereignis.code == Boxereignis::DurchfahrtSpur1)
        durchfahrt(1, ereignis.zeitstempel);
    else if (ereignis.code == Boxereignis::DurchfahrtSpur2)
        durchfahrt(2, ereignis.zeitstempel);
    else if (Boxereignis::istFehler(ereignis.code))
        boxfehler();
}

void RaceControlEmpfang::durchfahrt(int spur, std::int32_t zeitstempel) {
    // Through the box clock's own unwrapping, so stamps and the race clock agree across
    // the counter's wrap.
    const double t = m_rennen.Signalzeit(m_boxuhr.entfalten(zeitstempel));
    if (t < m_rennen.LetztesSignal[spur] + m_rennen.Prellzeit - Rundungsspiel)
        return;
    m_rennen.LetztesSignal[spur] = t;
    m_rennen.Rundenereignis(spur, t);
}

void RaceControlEmpfang::boxfehler() {
    if (m_fehlerGemeldet)
        return;
    m_fehlerGemeldet = true;
    m_dialoge.meldung(QStringLiteral("Fehler von der Racebox oder die Verbindung wurde "
                                     "getrennt. Bitte Programm neu starten"),
                      Anwendungstitel);
    m_fehlerGemeldet = false;
}
