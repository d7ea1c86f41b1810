#include "RaceControlEmpfang.h"

namespace {
constexpr std::int16_t EreignisBereit = 2;
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

void RaceControlEmpfang::empfangen(const QByteArray& bytes) {
    for (const char byte : bytes)
        MSCommRC_OnComm(static_cast<std::uint8_t>(byte));
}

void RaceControlEmpfang::durchfahrt(int spur, std::int32_t zeitstempel) {
    // Through the box clock's own unwrapping, so stamps and the race clock agree across
    // the counter's wrap.
    const std::int64_t tick = m_boxuhr.entfalten(zeitstempel);
    const double t = m_rennen.Signalzeit(tick);
    const Signalausgang ausgang = signalAnnehmen(m_rennen, spur, t);
    if (m_protokoll)
        m_protokoll(
            {tick, BoxTicksProSekunde,
             QStringLiteral("Box 0x%1")
                 .arg(spur == 1 ? Boxereignis::DurchfahrtSpur1 : Boxereignis::DurchfahrtSpur2, 0,
                      16),
             spur, t, ausgang, QString()});
    if (ausgang == Signalausgang::Angenommen || ausgang == Signalausgang::Fehlstart)
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
