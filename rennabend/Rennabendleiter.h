// Runs a race night on the race: the drivers of the plan's next entry go into the main window
// as if typed, the entry itself and the night's race format into the race, and every race the
// history is handed on the way to its store is counted for the entry it was driven for. Enter, the
// result window and the Hall of Fame stay the race's own: a stopped Lauf or a false start hands
// nothing over, so the entry waits. The next entry's drivers go in when Start is pressed, so the
// race just driven stays on screen (and in Shift+D's file) until then; while the race shows none,
// at once.
#pragma once

#include "Abendeintrag.h"
#include "Reihe.h"
#include "Rennabend.h"
#include "Renneinstellungen.h"
#include "Verlaufsablage.h"

#include <functional>
#include <optional>

class Rennen;

class Rennabendleiter final : public Verlaufsablage {
public:
    Rennabendleiter(Rennen& rennen, Verlaufsablage& weiter);
    ~Rennabendleiter() override;
    Rennabendleiter(const Rennabendleiter&) = delete;
    Rennabendleiter& operator=(const Rennabendleiter&) = delete;

    // A new night with these drivers (checked by fahrerlisteFehler); its first entry is due.
    void beginnen(const QStringList& fahrer, const Rennabendregeln& regeln,
                  const QString& saison = {}, const Fahrerklassen& klassen = {});
    // A night kept from before, going on where it stopped (a repeat asked for included).
    void fortsetzen(Rennabend abend);
    bool aktiv() const { return !m_abend.teilnehmer.empty(); }
    int spurenzahl() const; // the track's
    // Why the night under way cannot go on on this track (its lanes are another count); none
    // when it can, or without a night.
    std::optional<QString> ohneBahn() const;
    const Rennabend& abend() const { return m_abend; }
    // The plan's entry (from 1) to drive next; none when the night is over.
    std::optional<int> naechste() const;
    std::optional<Paarung> naechstePaarung() const;
    // Every entry still to drive, the next one first.
    std::vector<int> offeneEintraege() const;
    // Who drives the next Lauf on which lane (empty for a free one): the next entry, or
    // between the Läufe of its Begegnung the pair the other way round.
    std::optional<Spuren<QString>> naechsteSpuren() const;
    std::vector<Tabellenzeile> tabelle() const;

    // The last driven entry once more; its new race replaces the old one in the standings.
    void wiederholen();
    void ueberspringen();
    // Both take effect for what is not driven yet: the rest of the plan is made again. False
    // with a German reason in `fehler` when the roster would not be a night's.
    bool fahrerHinzufuegen(const QString& name, QString& fehler, const QString& klasse = {});
    bool fahrerEntfernen(const QString& name, QString& fehler);

    void ablegen(Rennaufzeichnung aufzeichnung) override;

    // Told after anything of the night changed: a race counted, the roster, the plan. Each
    // listener (the history's store, the spectators) is told in the order it came.
    void beiAenderung(std::function<void()> meldung) {
        m_beiAenderung.push_back(std::move(meldung));
    }

private:
    int erledigt() const; // entries driven or passed over, the plan's first ones
    // A Begegnung of two Läufe with the lane change, not a single Lauf of a rotation.
    bool begegnung(const Paarung& p) const;
    bool gehoertZu(const Rennaufzeichnung& r, const Paarung& p) const;
    // The entry to drive next, as the race is told it.
    std::optional<Abendeintrag> faelligerEintrag() const;
    // The race waits for the second Lauf of this Begegnung.
    bool zwischenDenLaeufen(const Paarung& p) const;
    void neuPlanenMit(const QStringList& fahrer);
    // A night with a qualifying takes no driver and lets none go once its mains are set: the
    // mains and the places after them follow from the roster the qualifying seeded. True with
    // the German reason in `fehler` then.
    bool hauptlaeufeEingeteilt(QString& fehler) const;
    // Once every entry is driven or passed over, a night with a qualifying sets its next main:
    // the first after the qualifying, each next one when the one before is over (a repeat
    // asked for included).
    void hauptlaufAnsetzen();
    // Once every entry of the plan is driven or passed over, the final of the two best
    // follows when the night has one.
    void finaleAnsetzen();
    void geaendert();
    // The due entry's drivers into the race at once when that replaces no race on screen,
    // otherwise at the next Start.
    void vormerken();
    // Between races: the due entry's drivers and colours into the race on every lane, the
    // night's race format, and the lane-change mode a Begegnung needs; a Lauf of a rotation is
    // a single race. A lane without a driver in the entry is free for it. Once the night is
    // over, the free lanes of the track come back.
    void laden();
    // At an entry's Start with its drivers in already: the night's race format and the
    // entry's free lanes once more, in case the options were changed since.
    void rennformatEinsetzen();
    // These settings with the night's race format and the free lanes of this entry into the
    // race, unless it has them already.
    void mitRennformatAnwenden(Renneinstellungen e, const Paarung& p);
    void freieSpurenZurueckgeben();
    // On a track of another count than the night's the race drives for no entry, and the
    // entry's drivers go in once the track has the night's lanes again (ohneBahn says why).
    bool wartetAufBahn();

    Rennen& m_rennen;
    Verlaufsablage& m_weiter;
    bool m_ladenFaellig = false; // the due entry's drivers are not in the race yet
    std::optional<std::uint32_t> m_freieSpurenVorher; // the track's, while the night sets them
    std::vector<std::function<void()>> m_beiAenderung;
    Rennabend m_abend;
};
