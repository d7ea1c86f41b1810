// What is said when: listens to the race and queues its announcements for the speaker,
// one at a time. Lap announcements that go stale while others are said are dropped, the
// race end's never; a new race cuts whatever is still being said.
#pragma once

#include "Ansageeinstellungen.h"
#include "Ansageschlange.h"
#include "Reihe.h"
#include "Rennbeobachter.h"
#include "Sprecher.h"

#include <functional>
#include <optional>

class Ansagen final : public Rennbeobachter {
public:
    // Told of every announcement when it is queued, and again (verworfen) when it is
    // dropped unsaid or cut off.
    using Protokoll = std::function<void(const QString& text, bool verworfen)>;

    // The settings are read at every event, so the window's changes count at once.
    Ansagen(Sprecher& sprecher, const Ansageeinstellungen& einstellungen);
    void protokollieren(Protokoll protokoll) { m_protokoll = std::move(protokoll); }

    void rennenGestartet(const Rennen& rennen) override;
    void rundeGezaehlt(const Rennen& rennen, const Rundenmeldung& runde) override;
    void rundeGestrichen(const Rennen& rennen, const Streichmeldung& meldung) override;
    void fehlstart(const Rennen& rennen, int spur) override;
    void strafe(const Rennen& rennen, const Strafe& strafe) override;
    void strafeZurueckgenommen(const Rennen& rennen, const Strafe& strafe) override;
    void crashPause(const Rennen& rennen, bool an) override;
    void streckenrufBegonnen(const Rennen& rennen, const Streckenruf& ruf, int spur) override;
    void spurFertig(const Rennen& rennen, int spur, double rennzeit, int platz) override;
    void rennende(const Rennen& rennen, int siegerSpur) override;
    void rennenGestoppt(const Rennen& rennen) override;
    void restzeit(const Rennen& rennen, std::int32_t sekunden) override;

    // A note of the program's about the race, such as what a board cannot do.
    void hinweisSagen(const QString& text);
    // The race's winner takes a rank in the Hall of Fame, offered under this name.
    void hallOfFame(int rang, const QString& name);
    // The window's "Probe": a sample lap of this driver with the settings as they are,
    // said at once even with announcements off.
    void probe(const QString& fahrer);
    // Why nothing is heard, if nothing is; see Sprecher.
    QString warumStumm() const { return m_sprecher.warumStumm(); }

private:
    bool ereignisseAn() const { return m_e.an && m_e.rennereignisse; }
    QString fahrer(const Rennen& rennen, int spur) const;
    void rennergebnis(const Rennen& rennen, int siegerSpur);
    void plaetzeNachZeit(const Rennen& rennen);
    void sagen(Ansage ansage);
    void weiter();
    void gesagt();
    void verworfen(const Ansage& ansage);
    void allesVerwerfen();

    Sprecher& m_sprecher;
    const Ansageeinstellungen& m_e;
    Protokoll m_protokoll;
    Ansageschlange m_schlange;
    std::optional<Ansage> m_laufend;
    std::optional<double> m_rennbestzeit; // the fastest lap of the race so far
};
