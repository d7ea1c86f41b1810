#include "RaceControlEmpfang.h"

#include "Zahlenformat.h"

#include <cstdlib>

namespace {
constexpr std::int16_t EreignisBereit = 2;
// The box sends a passage as it happens, so its stamp lies within a fraction of a second
// of the box clock as heard. Further away either way, the stamp is no time of this race:
// a damaged box or line. The clock as heard runs on with the PC's clock while the program
// drops the box's bytes in a crash pause, and the two clocks part by well under a
// millisecond a second, so even hours of pause stay far inside this span.
constexpr std::int64_t GroessterAbstand = 5 * BoxTicksProSekunde;

QString boxcode(int spur) {
    return QStringLiteral("Box 0x%1")
        .arg(spur == 1 ? Boxereignis::DurchfahrtSpur1 : Boxereignis::DurchfahrtSpur2, 0, 16);
}
} // namespace

RaceControlEmpfang::RaceControlEmpfang(Rennen& rennen, BoxBibliothek& box, BoxUhr& boxuhr,
                                       Dialoge& dialoge)
    : m_rennen(rennen), m_box(box), m_boxuhr(boxuhr), m_dialoge(dialoge) {}

void RaceControlEmpfang::byteEmpfangen(std::uint8_t byte) {
    m_rennen.boxGehoert();
    if (m_rennen.stand().signaleGesperrt)
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
        byteEmpfangen(static_cast<std::uint8_t>(byte));
}

void RaceControlEmpfang::durchfahrt(int spur, std::int32_t zeitstempel) {
    // Modulo the 32-bit counter, like every box time. Before its first time frame the
    // library knows no box clock (0) and nothing can be compared.
    const std::int32_t boxuhr = m_box.Get_TStamp(0);
    const auto abstand = static_cast<std::int32_t>(static_cast<std::uint32_t>(zeitstempel) -
                                                   static_cast<std::uint32_t>(boxuhr));
    if (boxuhr != 0 && std::abs(std::int64_t{abstand}) > GroessterAbstand) {
        zeitsprung(spur, zeitstempel, abstand);
        return;
    }
    // Through the box clock's own unwrapping, so stamps and the race clock agree across
    // the counter's wrap.
    const std::int64_t tick = m_boxuhr.entfalten(zeitstempel);
    const double t = m_rennen.signalzeit(tick);
    const Signalausgang ausgang = m_rennen.signalPruefen(spur, t);
    if (m_protokoll)
        m_protokoll({tick, BoxTicksProSekunde, boxcode(spur), spur, t, ausgang, QString()});
    if (weitergeben(ausgang))
        m_rennen.rundensignal(spur, t, Signalweg::Box);
}

// Not unwrapped: a stray stamp must not move the unwrapping of the real ones.
void RaceControlEmpfang::zeitsprung(int spur, std::int32_t zeitstempel, std::int32_t abstand) {
    const double sekunden = Zahlenformat::runden3(double(abstand) / BoxTicksProSekunde);
    if (m_protokoll)
        m_protokoll({zeitstempel, BoxTicksProSekunde, boxcode(spur), spur, 0,
                     Signalausgang::Ignoriert,
                     QStringLiteral("Zeitstempel %1 s neben der Boxuhr")
                         .arg(Zahlenformat::allgemein(sekunden))});
    m_rennen.boxzeitsprung(spur, sekunden);
}

void RaceControlEmpfang::boxfehler() {
    m_dialoge.hinweis(QStringLiteral("Fehler von der Racebox oder die Verbindung wurde "
                                     "getrennt. Bitte Programm neu starten"),
                      Anwendungstitel);
}
