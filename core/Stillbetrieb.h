// Platform stand-ins for a race that nobody watches: one replayed from its record, or a
// stored race driven again. Nothing is shown, played, stored or offered to the Hall of Fame.
#pragma once

#include "BoxBibliothek.h"
#include "Dialoge.h"
#include "Einstellungsspeicher.h"
#include "Klangausgabe.h"
#include "Rekorde.h"
#include "Uhr.h"
#include "Wecker.h"
#include "Zeitgeber.h"

#include <optional>

namespace Stillbetrieb {

// A millisecond clock that stands where it is set: before each input, at that input's moment.
class Stelluhr final : public Uhr {
public:
    std::int64_t ticks() override { return jetzt; }
    int ticksProSekunde() const override { return 1000; }
    std::int64_t jetzt = 0;
};

// A timer that only remembers whether it is on; whoever drives the race gives its ticks.
class Schalter final : public Zeitgeber {
public:
    void setEnabled(bool an) override { m_an = an; }
    bool enabled() const override { return m_an; }

private:
    bool m_an = false;
};

// The race clock's alarm, noted against the clock; whoever drives the race rings it once the
// clock passes it.
class Merkwecker final : public Wecker {
public:
    explicit Merkwecker(const Stelluhr& uhr) : m_uhr(uhr) {}
    void stellen(std::int64_t ms) override { faellig = m_uhr.jetzt + ms; }
    void abstellen() override { faellig.reset(); }
    std::optional<std::int64_t> faellig;

private:
    const Stelluhr& m_uhr;
};

// An alarm that never rings, for a race whose alarms are inputs of its record.
class Stummwecker final : public Wecker {
public:
    void stellen(std::int64_t) override {}
    void abstellen() override {}
};

// Every question is answered no, every input box left empty.
class Stummdialoge final : public Dialoge {
public:
    void meldung(const QString&, const QString&) override {}
    void hinweis(const QString&, const QString&) override {}
    bool frage(const QString&, const QString&) override { return false; }
    QString eingabe(const QString&, const QString&, const QString&) override { return {}; }
    void fensterZeigen(Fenster) override {}
    void f2SpurRennenZeigen(const F2SpurRennenInhalt&) override {}
    void rotationsergebnisZeigen(const RotationsergebnisInhalt&) override {}
};

class Stummklang final : public Klangausgabe {
public:
    void abspielen(const QString&) override {}
    void piepen(int, int) override {}
};

// No timing box is connected.
class Ohnebox final : public BoxBibliothek {
public:
    std::optional<QString> ladefehler() override { return std::nullopt; }
    std::int16_t InitBoxes() override { return 0; }
    void OpenBox(std::int32_t, const BoxKonfiguration&) override {}
    std::int16_t RX_data(std::int32_t, std::uint8_t) override { return 0; }
    BoxEreignisDaten Get_Event() override { return {}; }
    std::int32_t Get_TStamp(std::int32_t) override { return 0; }
};

// Every setting reads as its default; nothing is stored.
class Vorgabespeicher final : public Einstellungsspeicher {
public:
    QString lesen(const QString&, const QString& vorgabe) override { return vorgabe; }
    void speichern(const QString&, const QString&) override {}
};

// The Hall of Fame and the result file hear nothing of the race.
class Ohnerekorde final : public Rekorde {
public:
    void hofPruefen(const Rennen&) override {}
    void ergebnisSpeichern(const Rennen&) override {}
};

} // namespace Stillbetrieb
