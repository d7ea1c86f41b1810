#include "Platinenempfang.h"

#include "Zahlenformat.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

QString version(int major, int minor) {
    return QString::number(major) + QLatin1Char('.') + QString::number(minor);
}

QString beschreibung(const Platinenprotokoll::Hallo& h) {
    return QStringLiteral("Firmware ") + version(h.major, h.minor) +
           QStringLiteral(", %1 Eingänge").arg(h.spuren);
}

QString sekunden(std::int64_t mikrosekunden) {
    return Zahlenformat::allgemein(
        Zahlenformat::runden3(static_cast<double>(mikrosekunden) / Platinenuhr::TicksProSekunde));
}

QString befehlsname(std::uint16_t art) {
    return QStringLiteral("0x") + QString::number(art, 16).toUpper();
}

QString fehlertext(const Platinenprotokoll::Fehler& f) {
    using enum Platinenprotokoll::Fehlercode;
    switch (static_cast<Platinenprotokoll::Fehlercode>(f.code)) {
    case Ueberlauf: return QStringLiteral("Platine: Überlauf, %1 Signale verloren").arg(f.detail);
    case Unbekannt: return QStringLiteral("Platine: unbekannter Befehl ") + befehlsname(f.detail);
    case Ungueltig:
        return QStringLiteral("Platine: Befehl ") + befehlsname(f.detail) +
               QStringLiteral(" abgelehnt");
    case Pruefsumme:
        return QStringLiteral("Platine: Befehl ") + befehlsname(f.detail) +
               QStringLiteral(" mit falscher Prüfsumme");
    }
    return QStringLiteral("Platine: Fehler %1 (%2)").arg(f.code).arg(f.detail);
}

} // namespace

Platinenempfang::Platinenempfang(Rennen& rennen, Platinenuhr& uhr, Dialoge& dialoge)
    : m_rennen(rennen), m_uhr(uhr), m_dialoge(dialoge) {}

void Platinenempfang::portGeoeffnet() {
    m_leser.zuruecksetzen();
    m_erkannt = false;
    gesendetesVergessen();
}

void Platinenempfang::empfangen(const QByteArray& bytes) {
    for (const char byte : bytes) {
        m_leser.aufnehmen(static_cast<std::uint8_t>(byte));
        while (const std::optional<Platinenprotokoll::Meldung> meldung = m_leser.naechste())
            melden(*meldung);
    }
}

void Platinenempfang::ohnePlatine() {
    m_erkannt = false;
    m_rennen.sensoruhrWechseln(Sensoruhr::Leitungen);
}

void Platinenempfang::rennenGestartet(const Rennen& rennen) {
    m_fernGemeldet = false;
    if (!m_erkannt)
        return;
    // The lanes with a car that no input of this board serves.
    QStringList ohne;
    for (int spur = m_eingaenge + 1; spur <= rennen.spurenzahl(); ++spur)
        if (rennen.spurBelegt(spur))
            ohne << QString::number(spur);
    if (ohne.isEmpty())
        return;
    const QString letzte = ohne.takeLast();
    const QString spuren = ohne.isEmpty()
                               ? QStringLiteral("die Spur ") + letzte + QStringLiteral(" bekommt")
                               : QStringLiteral("die Spuren ") + ohne.join(QStringLiteral(", ")) +
                                     QStringLiteral(" und ") + letzte + QStringLiteral(" bekommen");
    m_dialoge.hinweis(QStringLiteral("Die Platine hat %1 Eingänge, die Bahn %2 Spuren: ")
                              .arg(m_eingaenge)
                              .arg(rennen.spurenzahl()) +
                          spuren +
                          QStringLiteral(" von ihr keine Signale. Die Firmware, die zu diesem "
                                         "Programm gehört, hat %1 Eingänge (siehe Hilfe).")
                              .arg(Platinenprotokoll::Eingaenge),
                      Anwendungstitel);
}

void Platinenempfang::strafe(const Rennen&, const Strafe& strafe) {
    if (strafe.art != Strafart::StopAndGo || !m_erkannt || hatSpurstrom() ||
        std::exchange(m_ohneSpurstromGesagt, true))
        return;
    const QString text = QStringLiteral(
        "Die Platine schaltet keinen Spurstrom: Stop and go wird angezeigt und an der "
        "nächsten Durchfahrt gezeitet.");
    const std::int64_t tick = m_uhr.ticks();
    eintragen(tick, QStringLiteral("Stop and go ohne Spurstrom"), strafe.spur,
              m_rennen.signalzeit(tick), Signalausgang::Ignoriert, text);
    if (m_beiOhneSpurstrom)
        m_beiOhneSpurstrom(text);
}

void Platinenempfang::ampelGesetzt(const Rennen&, Ampel ampel) {
    m_ampel = ampel;
    if (m_erkannt)
        einstellungSenden();
}

void Platinenempfang::melden(const Platinenprotokoll::Meldung& meldung) {
    if (const auto* h = std::get_if<Platinenprotokoll::Hallo>(&meldung)) {
        hallo(*h);
        return;
    }
    // Without a hello neither the clock rate nor the firmware is known.
    if (!m_erkannt)
        return;
    if (const auto* f = std::get_if<Platinenprotokoll::Flanke>(&meldung))
        flanke(*f);
    else if (const auto* z = std::get_if<Platinenprotokoll::Zeit>(&meldung))
        zeit(z->platinenzeit, nullptr);
    else
        fehler(std::get<Platinenprotokoll::Fehler>(meldung));
}

void Platinenempfang::hallo(const Platinenprotokoll::Hallo& h) {
    const QString firmware = version(h.major, h.minor);
    if (h.major != Platinenprotokoll::Major) {
        m_erkannt = false;
        m_dialoge.meldung(
            QStringLiteral("Die Platine an der seriellen Schnittstelle hat die Firmware-Version ") +
                firmware + QStringLiteral(", Rundomat versteht die Version ") +
                version(Platinenprotokoll::Major, Platinenprotokoll::Minor) +
                QStringLiteral(". Bitte die Firmware aufspielen, die zu diesem Programm gehört "
                               "(siehe Hilfe); bis dahin kann keine Zeitaufnahme über die "
                               "serielle Schnittstelle erfolgen."),
            Anwendungstitel);
        if (m_beiHallo)
            m_beiHallo(false);
        return;
    }
    // The answer to one more of the questions asked while the board was starting, or a board
    // that restarted: its clock tells which.
    if (m_erkannt && h.ticksProSekunde == m_platinenTicks) {
        zeit(h.platinenzeit, &h);
        return;
    }
    const bool neustart = m_erkannt; // with another clock rate
    m_uhr.hallo(h.ticksProSekunde, h.platinenzeit);
    m_platinenTicks = h.ticksProSekunde;
    m_eingaenge = h.spuren;
    m_spurstromausgaenge = h.minor >= Platinenprotokoll::SpurstromAbMinor;
    m_erkannt = true;
    // A board that restarted has forgotten what it was told.
    gesendetesVergessen();
    if (!neustart) {
        m_rennen.sensoruhrWechseln(Sensoruhr::Platine);
        m_rennen.platineErkannt(m_spurstromausgaenge);
    }
    const std::int64_t tick = m_uhr.ticks();
    eintragen(tick,
              (neustart ? QStringLiteral("Platine neu gestartet: ")
                        : QStringLiteral("Platine erkannt: ")) +
                  beschreibung(h),
              0, m_rennen.signalzeit(tick), Signalausgang::Ignoriert);
    einstellungSenden();
    if (!neustart && m_beiHallo)
        m_beiHallo(true);
}

// The board's time, from a time report or a hello (given then).
void Platinenempfang::zeit(std::uint64_t platinenzeit, const Platinenprotokoll::Hallo* hallo) {
    const std::int64_t abstand = m_uhr.abstand(platinenzeit);
    switch (m_uhr.zeitmeldung(platinenzeit)) {
    case Platinenuhr::Befund::Passt: return;
    case Platinenuhr::Befund::Neustart:
        neuAngesetzt(hallo ? QStringLiteral("Platine neu gestartet: ") + beschreibung(*hallo)
                           : QStringLiteral("Platine neu gestartet, ohne Hallo: Platinenzeit %1 µs")
                                 .arg(m_uhr.mikrosekunden(platinenzeit)));
        return;
    case Platinenuhr::Befund::Versetzt:
        neuAngesetzt(QStringLiteral("Platinenuhr übernommen: die zweite Zeitmeldung in Folge "
                                    "%1 s neben ihr")
                         .arg(sekunden(abstand)));
        return;
    case Platinenuhr::Befund::Fern:
        fern(QStringLiteral("Platine Zeitmeldung"), 0, platinenzeit, abstand);
        return;
    }
}

// The clock goes on from a board time far from the last one: a board that restarted has
// forgotten what it was told.
void Platinenempfang::neuAngesetzt(const QString& ereignis) {
    const std::int64_t tick = m_uhr.ticks();
    eintragen(tick, ereignis, 0, m_rennen.signalzeit(tick), Signalausgang::Ignoriert);
    gesendetesVergessen();
    einstellungSenden();
}

// The lane a board input stands for, or 0 for an input the board does not have (a frame
// damaged so that its checksum still fits), which is logged only. Whether the track has
// the lane, and a car on it, the race says.
int Platinenempfang::rundenspur(int eingang) const {
    const bool eingangDerPlatine =
        eingang >= 1 && eingang <= std::min<int>(m_eingaenge, PROTOKOLL_MAX_SPUREN);
    return eingangDerPlatine ? eingang : 0;
}

void Platinenempfang::flanke(const Platinenprotokoll::Flanke& f) {
    const int spur = rundenspur(f.spur);
    const QString ereignis = QStringLiteral("Platine Eingang %1 ").arg(f.spur) +
                             (f.pegel ? QStringLiteral("steigt") : QStringLiteral("fällt"));
    if (m_uhr.fern(f.stempel)) {
        fern(ereignis, spur, f.stempel, m_uhr.abstand(f.stempel));
        return;
    }
    const std::int64_t tick = m_uhr.stempel(f.stempel);
    const double zeit = m_rennen.signalzeit(tick);
    const Signalausgang ausgang =
        spur != 0 ? m_rennen.signalPruefen(spur, zeit) : Signalausgang::Ignoriert;
    const bool weiter = weitergeben(ausgang);
    QString anmerkung = QStringLiteral("Platinenzeit %1 µs").arg(m_uhr.mikrosekunden(f.stempel));
    if (spur == 0)
        anmerkung += QStringLiteral("; die Platine hat die Eingänge 1 bis %1").arg(m_eingaenge);
    if (weiter && m_rennen.stand().einzelmodus)
        anmerkung +=
            QStringLiteral("; Einzelmodus: auch Spur ") + QString::number(andereSpur(spur));
    eintragen(tick, ereignis, spur, zeit, ausgang, anmerkung);
    if (weiter)
        m_rennen.rundensignal(spur, zeit, Signalweg::Platine);
}

// A time no clock of this board can show: a damaged frame whose checksum still fits, or a
// board that restarted before its first time report. Logged and told once a race; the
// race goes on without it.
void Platinenempfang::fern(const QString& ereignis, int spur, std::uint64_t platinenzeit,
                           std::int64_t abstand) {
    const std::int64_t tick = m_uhr.ticks();
    eintragen(tick, ereignis, spur, m_rennen.signalzeit(tick), Signalausgang::Ignoriert,
              QStringLiteral("Platinenzeit %1 µs, %2 s neben der Platinenuhr: nicht gezählt")
                  .arg(m_uhr.mikrosekunden(platinenzeit))
                  .arg(sekunden(abstand)));
    if (m_fernGemeldet)
        return;
    m_fernGemeldet = true;
    m_dialoge.hinweis(QStringLiteral("Die Platine hat eine Zeit gemeldet, die %1 Sekunden neben "
                                     "ihrer Uhr liegt. Die Platine oder ihre Leitung ist gestört; "
                                     "Meldungen mit solchen Zeiten werden nicht gezählt, das "
                                     "Rennen läuft weiter.")
                          .arg(sekunden(abstand)),
                      Anwendungstitel);
}

void Platinenempfang::fehler(const Platinenprotokoll::Fehler& f) {
    const std::int64_t tick = m_uhr.ticks();
    eintragen(tick, fehlertext(f), 0, m_rennen.signalzeit(tick), Signalausgang::Ignoriert);
    const auto code = static_cast<Platinenprotokoll::Fehlercode>(f.code);
    // The damaged frame may be stale by now: the command goes again as things stand.
    if (code == Platinenprotokoll::Fehlercode::Pruefsumme && f.detail == BEFEHL_TOTZEIT) {
        m_gesendeteTotzeit.reset();
        totzeitSenden();
    } else if (code == Platinenprotokoll::Fehlercode::Pruefsumme && f.detail == BEFEHL_AMPEL) {
        ampelSenden();
    } else if (code == Platinenprotokoll::Fehlercode::Pruefsumme && f.detail == BEFEHL_SPURSTROM) {
        m_gesendeterSpurstrom.reset();
        spurstromSenden();
    }
    if (code != Platinenprotokoll::Fehlercode::Ueberlauf || m_verlustGemeldet)
        return;
    m_verlustGemeldet = true;
    m_dialoge.meldung(QStringLiteral("Die Platine hat %1 Signale verloren: ihre Eingänge haben "
                                     "sich schneller geändert, als sie melden kann. Es können "
                                     "Runden fehlen; bitte die Sensoren und ihre Kabel prüfen.")
                          .arg(f.detail),
                      Anwendungstitel);
    m_verlustGemeldet = false;
}

void Platinenempfang::einstellungSenden() {
    totzeitSenden();
    ampelSenden();
    spurstromSenden();
}

void Platinenempfang::gesendetesVergessen() {
    m_gesendeteTotzeit.reset();
    m_gesendeterSpurstrom.reset();
}

void Platinenempfang::totzeitSenden() {
    // Never longer than the program's own debounce, which still applies to every signal:
    // the board only spares the line the bounces.
    const double ms = std::floor(std::clamp(m_rennen.einstellungen().prellzeit, 0.0, 60.0) * 1000);
    const auto totzeit =
        static_cast<std::uint16_t>(std::min<double>(ms, Platinenprotokoll::TotzeitMaxMs));
    if (m_gesendeteTotzeit != totzeit) {
        befehl(Platinenprotokoll::totzeit(totzeit));
        m_gesendeteTotzeit = totzeit;
    }
}

void Platinenempfang::ampelSenden() {
    if (static_cast<int>(m_ampel) <= Platinenprotokoll::AmpelMaxZustand)
        befehl(Platinenprotokoll::ampel(static_cast<std::uint8_t>(m_ampel)));
}

void Platinenempfang::spurstromSenden() {
    if (hatSpurstrom() && m_gesendeterSpurstrom != m_spurstrom) {
        befehl(Platinenprotokoll::spurstrom(m_spurstrom));
        m_gesendeterSpurstrom = m_spurstrom;
    }
}

bool Platinenempfang::spurstromSchalten(int spur, bool an) {
    if (spur < 1 || spur > PROTOKOLL_MAX_SPUREN)
        throw std::out_of_range("Spurstrom: Spur 1 bis 8");
    const auto bit = static_cast<std::uint8_t>(1u << (spur - 1));
    m_spurstrom = an ? static_cast<std::uint8_t>(m_spurstrom | bit)
                     : static_cast<std::uint8_t>(m_spurstrom & ~bit);
    if (!m_erkannt)
        return false;
    const bool geschaltet = hatSpurstrom() && spur <= m_eingaenge;
    // Told again even when it should have it so already: a frame lost on the line without
    // a trace is made good by the next command.
    if (geschaltet) {
        m_gesendeterSpurstrom.reset();
        spurstromSenden();
    }
    const std::int64_t tick = m_uhr.ticks();
    eintragen(tick,
              QStringLiteral("Platine: Strom der Spur %1 ").arg(spur) +
                  (an ? QStringLiteral("an") : QStringLiteral("aus")),
              spur, m_rennen.signalzeit(tick), Signalausgang::Ignoriert,
              geschaltet ? QString()
                         : QStringLiteral("nicht geschaltet: die Platine hat keinen Stromausgang "
                                          "für diese Spur"));
    return geschaltet;
}

void Platinenempfang::befehl(const std::vector<std::uint8_t>& bytes) {
    if (m_senden)
        m_senden(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                            static_cast<qsizetype>(bytes.size())));
}

void Platinenempfang::eintragen(std::int64_t tick, const QString& ereignis, int spur, double zeit,
                                Signalausgang ausgang, const QString& anmerkung) {
    if (m_protokoll)
        m_protokoll({tick, Platinenuhr::TicksProSekunde, ereignis, spur, zeit, ausgang, anmerkung});
}
