// A race's record and its replay. The record holds every input of the race together with
// everything the race (and the Hall of Fame and result file it calls) read from outside
// while handling it: clock readings, dialog answers, the box library's answers, the time
// of day, in the order they came. A race is a function of its record: replayed into a
// fresh race, it gives the same laps, results, views and files.
#pragma once

#include "Rennen.h"
#include "Stillbetrieb.h"
#include "Tagesuhr.h"

#include <QStringList>
#include <QTime>
#include <optional>
#include <variant>
#include <vector>

enum class Uhrart : std::uint8_t { System, Box, Platine };

namespace Aufgezeichnet {
struct Ablesung {
    Uhrart uhr;
    std::int64_t ticks;
};
// A dialog that waits for the racer opened; inputs up to its close came while it was open.
struct DialogAuf {};
struct DialogZu {
    QString text;    // the input box's answer
    bool ja = false; // the question's
};
struct Ladefehler {
    std::optional<QString> fehler;
};
struct Boxversion {
    std::int16_t version;
};
struct Boxzeit {
    std::int32_t zeitstempel;
};
struct Tageszeit {
    QTime zeit;
};
} // namespace Aufgezeichnet

using Mitschnitteintrag =
    std::variant<Renneingabe, Aufgezeichnet::Ablesung, Aufgezeichnet::DialogAuf,
                 Aufgezeichnet::DialogZu, Aufgezeichnet::Ladefehler, Aufgezeichnet::Boxversion,
                 Aufgezeichnet::Boxzeit, Aufgezeichnet::Tageszeit>;

struct Mitschnitt {
    std::vector<Mitschnitteintrag> eintraege;
    Reihe<int, 3> ticksProSekunde{1000, 4800, 1000}; // system, box, board clock
};

// Records a race. Build the race with anschluesse(), then call rennen.aufzeichnen(*this);
// the Hall of Fame and the result file take dialoge() and tagesuhr().
class Aufnahme final : public Eingabeschreiber {
public:
    Aufnahme(const Anschluesse& echt, Tagesuhr& tagesuhr);
    Aufnahme(const Aufnahme&) = delete;
    Aufnahme& operator=(const Aufnahme&) = delete;

    const Anschluesse& anschluesse() const { return m_anschluesse; }
    Dialoge& dialoge() { return m_dialoge; }
    Tagesuhr& tagesuhr() { return m_tagesuhr; }
    const Mitschnitt& mitschnitt() const { return m_mitschnitt; }

    void eingabe(const Renneingabe& eingabe) override;

private:
    class Uhrband final : public Uhr {
    public:
        Uhrband(Uhr& echt, Uhrart art, Mitschnitt& mitschnitt);
        std::int64_t ticks() override;
        int ticksProSekunde() const override { return m_echt.ticksProSekunde(); }

    private:
        Uhr& m_echt;
        Uhrart m_art;
        Mitschnitt& m_mitschnitt;
    };
    class Dialogband final : public Dialoge {
    public:
        Dialogband(Dialoge& echt, Mitschnitt& mitschnitt)
            : m_echt(echt), m_mitschnitt(mitschnitt) {}
        void meldung(const QString& text, const QString& titel) override;
        void hinweis(const QString& text, const QString& titel) override;
        bool frage(const QString& text, const QString& titel) override;
        QString eingabe(const QString& aufforderung, const QString& titel,
                        const QString& vorgabe) override;
        void fensterZeigen(Fenster fenster) override;
        void f2SpurRennenZeigen(const F2SpurRennenInhalt& inhalt) override;
        void rotationsergebnisZeigen(const RotationsergebnisInhalt& inhalt) override;

    private:
        Dialoge& m_echt;
        Mitschnitt& m_mitschnitt;
    };
    class Boxband final : public BoxBibliothek {
    public:
        Boxband(BoxBibliothek& echt, Mitschnitt& mitschnitt)
            : m_echt(echt), m_mitschnitt(mitschnitt) {}
        std::optional<QString> ladefehler() override;
        std::int16_t InitBoxes() override;
        void OpenBox(std::int32_t box, const BoxKonfiguration& konfiguration) override;
        std::int16_t RX_data(std::int32_t box, std::uint8_t byte) override;
        BoxEreignisDaten Get_Event() override;
        std::int32_t Get_TStamp(std::int32_t box) override;

    private:
        BoxBibliothek& m_echt;
        Mitschnitt& m_mitschnitt;
    };
    class Tagesband final : public Tagesuhr {
    public:
        Tagesband(Tagesuhr& echt, Mitschnitt& mitschnitt)
            : m_echt(echt), m_mitschnitt(mitschnitt) {}
        QTime jetzt() override;

    private:
        Tagesuhr& m_echt;
        Mitschnitt& m_mitschnitt;
    };

    Mitschnitt m_mitschnitt;
    Uhrband m_systemuhr;
    Uhrband m_boxuhr;
    Uhrband m_platinenuhr;
    Dialogband m_dialoge;
    Boxband m_box;
    Tagesband m_tagesuhr;
    Anschluesse m_anschluesse;
};

// Replays a record into a fresh race. What the race puts out (sounds, settings it stores,
// the Hall of Fame and result file) goes where the caller says; everything it reads from
// outside comes from the record.
class Wiedergabe {
public:
    Wiedergabe(const Mitschnitt& mitschnitt, Klangausgabe& klang, Einstellungsspeicher& speicher,
               Rekorde& rekorde);
    Wiedergabe(const Wiedergabe&) = delete;
    Wiedergabe& operator=(const Wiedergabe&) = delete;

    const Anschluesse& anschluesse() const { return m_anschluesse; }
    Dialoge& dialoge() { return m_dialoge; }
    Tagesuhr& tagesuhr() { return m_tagesuhr; }

    // Gives the race, built with anschluesse(), every input of the record. False when the
    // race went another way: it asked for something the record does not hold at that
    // point, or left part of the record unread.
    bool abspielen(Rennen& rennen);
    // Every message and note the race showed, in order, and the result windows' contents.
    const QStringList& meldungen() const { return m_meldungen; }
    const std::vector<F2SpurRennenInhalt>& ergebnisfenster() const { return m_ergebnisfenster; }
    const std::vector<RotationsergebnisInhalt>& rotationsfenster() const {
        return m_rotationsfenster;
    }

private:
    class Uhrquelle final : public Uhr {
    public:
        Uhrquelle(Wiedergabe& wiedergabe, Uhrart art) : m_w(wiedergabe), m_art(art) {}
        std::int64_t ticks() override;
        int ticksProSekunde() const override;

    private:
        Wiedergabe& m_w;
        Uhrart m_art;
    };
    class Dialogquelle final : public Dialoge {
    public:
        explicit Dialogquelle(Wiedergabe& wiedergabe) : m_w(wiedergabe) {}
        void meldung(const QString& text, const QString& titel) override;
        void hinweis(const QString& text, const QString& titel) override;
        bool frage(const QString& text, const QString& titel) override;
        QString eingabe(const QString& aufforderung, const QString& titel,
                        const QString& vorgabe) override;
        void fensterZeigen(Fenster fenster) override;
        void f2SpurRennenZeigen(const F2SpurRennenInhalt& inhalt) override;
        void rotationsergebnisZeigen(const RotationsergebnisInhalt& inhalt) override;

    private:
        Wiedergabe& m_w;
    };
    class Boxquelle final : public BoxBibliothek {
    public:
        explicit Boxquelle(Wiedergabe& wiedergabe) : m_w(wiedergabe) {}
        std::optional<QString> ladefehler() override;
        std::int16_t InitBoxes() override;
        void OpenBox(std::int32_t, const BoxKonfiguration&) override {}
        std::int16_t RX_data(std::int32_t, std::uint8_t) override { return 0; }
        BoxEreignisDaten Get_Event() override { return {}; }
        std::int32_t Get_TStamp(std::int32_t box) override;

    private:
        Wiedergabe& m_w;
    };
    class Tagesquelle final : public Tagesuhr {
    public:
        explicit Tagesquelle(Wiedergabe& wiedergabe) : m_w(wiedergabe) {}
        QTime jetzt() override;

    private:
        Wiedergabe& m_w;
    };
    // The next entry if it is of that kind; otherwise the replay has gone astray.
    template <typename T> const T* naechster();
    // A dialog that waits: the inputs that came while it was open, then its answer.
    Aufgezeichnet::DialogZu dialog();

    const Mitschnitt& m_mitschnitt;
    std::size_t m_position = 0;
    bool m_abweichung = false;
    Rennen* m_rennen = nullptr;
    QStringList m_meldungen;
    std::vector<F2SpurRennenInhalt> m_ergebnisfenster;
    std::vector<RotationsergebnisInhalt> m_rotationsfenster;
    Uhrquelle m_systemuhr;
    Uhrquelle m_boxuhr;
    Uhrquelle m_platinenuhr;
    Stillbetrieb::Schalter m_countdown;
    Stillbetrieb::Schalter m_boxwacht;
    Stillbetrieb::Stummwecker m_wecker; // its calls are inputs in the record
    Dialogquelle m_dialoge;
    Boxquelle m_box;
    Tagesquelle m_tagesuhr;
    Anschluesse m_anschluesse;
};
