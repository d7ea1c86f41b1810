// Listens to the race and shows what the spectators see, read from the race's laps, finish
// order and result as they stand, after each of its inputs. The drivers, their colours and
// the lap count are taken when a race starts and stay with its standings until the next
// start, or until the settings change for another race (after a lane-change heat the names
// have already swapped lanes); between races, before the first one or after Stop, the
// current drivers are shown, and no laps. A lane with no car in the race is shown as free,
// with no position, gap or place. The race clock runs on the system clock from
// green, stands still in a crash pause and at the end; while it runs, the tick asks for
// a new tenth. During a race night the night's standings show between its Begegnungen (or
// Läufe of a rotation), and during one its place in the night; the two heats of a
// Begegnung are one race for that.
#pragma once

#include "Abstand.h"
#include "Rennbeobachter.h"
#include "Rundenwert.h"
#include "Spurrotation.h"
#include "Uhr.h"
#include "Zeitgeber.h"
#include "Zuschaueransicht.h"
#include "Zuschaueruhr.h"

#include <functional>
#include <optional>
#include <span>

class Zuschauerstand final : public Rennbeobachter {
public:
    using Empfaenger = std::function<void(const Zuschaueransicht&)>;

    // `takt` calls taktSchlag() every 100 ms while it is enabled; the standings enable it
    // while the race clock runs.
    Zuschauerstand(const Rennen& rennen, Uhr& uhr, Zeitgeber& takt);

    // Told of every change of what the spectators see, at once, on the GUI thread.
    void beiAenderung(Empfaenger empfaenger) { m_empfaenger = std::move(empfaenger); }
    const Zuschaueransicht& ansicht() const { return m_ansicht; }
    // The race clock shows its next tenth.
    void taktSchlag() { aktualisieren(); }
    // The night as it is now, after each of its changes; none without a night.
    void abendSetzen(std::optional<Abendanzeige> abend);

    void rennenGestartet(const Rennen& rennen) override;
    void ampelGesetzt(const Rennen& rennen, Ampel ampel) override;
    void rundeGezaehlt(const Rennen& rennen, const Rundenmeldung& runde) override;
    void rundeGestrichen(const Rennen& rennen, const Streichmeldung& meldung) override;
    void fehlstart(const Rennen& rennen, int spur) override;
    void crashPause(const Rennen& rennen, bool an) override;
    void spurFertig(const Rennen& rennen, int spur, double rennzeit, int platz) override;
    void rennende(const Rennen& rennen, int siegerSpur) override;
    void rennenGestoppt(const Rennen& rennen) override;
    void geaendert(const Rennen& rennen) override;

private:
    enum class Phase { Bereit, Countdown, Rennen, Ende };
    // The race the standings show: none, one under way, whose countdown and run the race
    // tells, or one over, which stays up until the next start, Stop or settings for another
    // race, though the race is idle then.
    enum class Rennbild { Keins, Laufend, Vorbei };

    // The drivers of the race shown, as they were when it started.
    struct Fahrerbild {
        QString name;
        Farbe farbe = Farben::Hellgrau;
    };

    // A lane of the race shown, read from the race as it stands; no laps while no race is
    // shown.
    struct Spurbild {
        bool frei = false; // no car on the lane in this race
        std::span<const Rundenwert> runden;
        std::optional<double> beste;
        int platz = 0; // from 1 once home, in this race or heat
        bool fehlstart = false;
        std::optional<double> ersterLauf; // lane change, a later heat: this driver's before it
        std::optional<double> gesamt;     // and all heats so far, once home
        // By time: the distance of the heats before in a later one, and this race's or
        // heat's once home.
        std::optional<double> ersteDistanz;
        std::optional<double> distanz;
    };

    // Looks again at the race and the drivers; tells the receiver if anything changed.
    void aktualisieren();
    void fahrerUebernehmen();
    bool andereEinstellungen() const;
    Phase phase() const;
    Spurbild spurbild(int spur) const;
    Zuschaueransicht bilden() const;
    bool begegnungLaeuft(const Spuren<Spurbild>& spuren) const;
    void abendBilden(Zuschaueransicht& ansicht, const Spuren<Spurbild>& spuren) const;
    static Namenszeile alsNaechstesZeile(const Abendpaarung& paarung);
    Abstaende abstaende(const Spuren<Spurbild>& spuren) const;
    Zuschauerspur spurBilden(int spur, const Spuren<Spurbild>& spuren,
                             const Abstaende& abstaende) const;
    double gesamtdistanz(int spur, const Spurbild& s) const;
    std::optional<int> entschieden(const Spuren<Spurbild>& spuren) const;
    static bool fehlstartIn(const Spuren<Spurbild>& spuren);
    QString vermerk(int spur, const Spuren<Spurbild>& spuren) const;
    // Mode and length of the race, in lane-change mode with this heat.
    QString titel(std::optional<int> lauf) const;
    QString ergebnistext(const Spuren<Spurbild>& spuren) const;
    // A lane change's heat after its first: the totals of the heats so far rank.
    bool folgelauf() const { return m_lauf.value_or(1) > 1; }
    // A lane change's heat before its last: another follows.
    bool vorDemLetztenLauf() const { return m_lauf && *m_lauf < m_rotation.laeufe(); }
    bool uhrLaeuft() const;

    const Rennen& m_rennen;
    Zeitgeber& m_takt;
    Empfaenger m_empfaenger;
    Zuschaueransicht m_ansicht;

    Rennbild m_rennbild = Rennbild::Keins;
    Spuren<Fahrerbild> m_fahrer;
    // The lane's last lap was told as a new best, and not taken back since.
    Spuren<bool> m_neueBestzeit;
    int m_rundenzahl = 0;
    std::optional<std::int32_t> m_renndauer; // seconds, in a race by time
    bool m_training = false;
    std::optional<int> m_lauf; // the heat of a lane-change race, from 1
    Spurrotation m_rotation;
    std::uint32_t m_freieSpuren = 0;
    Zuschaueruhr m_rennuhr;
    std::optional<Abendanzeige> m_abend;
};
