// The program's side of the sensor board: it reads the board's reports, judges its hello,
// turns the edges of its inputs into debounced lap signals of their lanes on the board
// clock (the race refuses those of lanes the track does not have, or has free), keeps that
// clock in step and refuses times far from it, and sends the board the debounce time and,
// as a listener of the race, every state of the traffic light and which lanes have power,
// again when the board restarted or could not read a command.
#pragma once

#include "Dialoge.h"
#include "Platinenprotokoll.h"
#include "Platinenuhr.h"
#include "Rennbeobachter.h"
#include "Rennen.h"
#include "Signalausgang.h"

#include <QByteArray>
#include <functional>
#include <optional>

class Platinenempfang final : public Rennbeobachter {
public:
    // `uhr` is the race's board clock, which the race takes when a board answers.
    Platinenempfang(Rennen& rennen, Platinenuhr& uhr, Dialoge& dialoge);

    // Where commands to the board go.
    void senden(std::function<void(const QByteArray&)> senden) { m_senden = std::move(senden); }
    void protokollieren(std::function<void(const Signaleintrag&)> protokoll) {
        m_protokoll = std::move(protokoll);
    }
    // Who hears the verdict on a hello: true for a board this program understands, false
    // for one whose firmware it does not know (the user has been told).
    void beiHallo(std::function<void(bool verstanden)> hallo) { m_beiHallo = std::move(hallo); }
    // Who is told, once a program run, that a stop and go is shown and timed because the
    // board switches no lane's power.
    void beiOhneSpurstrom(std::function<void(const QString& text)> sagen) {
        m_beiOhneSpurstrom = std::move(sagen);
    }

    // A port opened: whatever stands behind it has not said hello yet.
    void portGeoeffnet();
    // What the port received, in order.
    void empfangen(const QByteArray& bytes);
    // No board answered: the port's lines time the race, on the line clock.
    void ohnePlatine();
    // Every new state of the traffic light; a recognised board gets it at once.
    void ampelGesetzt(const Rennen&, Ampel ampel) override;
    // A far time is told once a race; lanes with a car but no input on this board at the
    // start of every race.
    void rennenGestartet(const Rennen& rennen) override;
    // The race cuts a lane's power for a stop and go, and gives it back.
    void spurstrom(const Rennen&, int spur, bool an) override { spurstromSchalten(spur, an); }
    void strafe(const Rennen& rennen, const Strafe& strafe) override;

    // Cuts a lane's power (lane 1 to 8) or gives it back. It stays so until told otherwise:
    // a board that restarts, or one recognised later, is told again. True when the board
    // switched it; a board without power outputs (firmware before 1.2) is sent nothing.
    bool spurstromSchalten(int spur, bool an);

    bool erkannt() const { return m_erkannt; }
    // The recognised board switches each lane's power.
    bool hatSpurstrom() const { return m_erkannt && m_spurstromausgaenge; }

private:
    void melden(const Platinenprotokoll::Meldung& meldung);
    void hallo(const Platinenprotokoll::Hallo& hallo);
    void zeit(std::uint64_t platinenzeit, const Platinenprotokoll::Hallo* hallo);
    void neuAngesetzt(const QString& ereignis);
    void flanke(const Platinenprotokoll::Flanke& flanke);
    int rundenspur(int eingang) const;
    void fern(const QString& ereignis, int spur, std::uint64_t platinenzeit, std::int64_t abstand);
    void fehler(const Platinenprotokoll::Fehler& fehler);
    void einstellungSenden();
    void totzeitSenden();
    void ampelSenden();
    void spurstromSenden();
    void gesendetesVergessen();
    void befehl(const std::vector<std::uint8_t>& bytes);
    void eintragen(std::int64_t tick, const QString& ereignis, int spur, double zeit,
                   Signalausgang ausgang, const QString& anmerkung = QString());

    Rennen& m_rennen;
    Platinenuhr& m_uhr;
    Dialoge& m_dialoge;
    std::function<void(const QByteArray&)> m_senden;
    std::function<void(const Signaleintrag&)> m_protokoll;
    std::function<void(bool)> m_beiHallo;
    std::function<void(const QString&)> m_beiOhneSpurstrom;
    bool m_ohneSpurstromGesagt = false;
    Platinenprotokoll::Leser m_leser;
    bool m_erkannt = false;
    // The recognised board's clock rate and lane inputs.
    std::uint32_t m_platinenTicks = 0;
    int m_eingaenge = 0;
    bool m_spurstromausgaenge = false;
    // Bit 0 for lane 1: the lanes that are to have power, and what the board was told.
    std::uint8_t m_spurstrom = 0xFF;
    std::optional<std::uint8_t> m_gesendeterSpurstrom;
    Ampel m_ampel = Ampel::Dunkel;
    std::optional<std::uint16_t> m_gesendeteTotzeit;
    // The board keeps sending while the message about lost signals is open.
    bool m_verlustGemeldet = false;
    bool m_fernGemeldet = false;
};
