#include "Tastatur.h"

#include <algorithm>
#include <array>

Tastatur::Tastatur(Rennen& rennen, Programmstart& start, Dialoge& dialoge, Fahrernamen& fahrer,
                   Zuschaueranzeige& zuschauer, Fensterzoom& zoom)
    : m_rennen(rennen), m_start(start), m_dialoge(dialoge), m_fahrer(fahrer),
      m_zuschauer(zuschauer), m_zoom(zoom), m_tabelle(tabelleAufbauen()) {}

std::vector<Tastenbefehl> Tastatur::tabelleAufbauen() {
    using namespace Umschaltung;
    Rennen& r = m_rennen;
    // Laps by hand count while signals count; the window keys only between races (or in a
    // crash pause), and a disabled label-button's key does nothing either.
    const auto zwischenRennen = [&r](std::function<void()> aktion) {
        return [&r, aktion = std::move(aktion)] {
            if (r.stand().signaleGesperrt)
                aktion();
        };
    };
    const auto wennOptionenFrei = [&r](std::function<void()> aktion) {
        return [&r, aktion = std::move(aktion)] {
            if (r.stand().optionenFrei)
                aktion();
        };
    };
    const auto fensterZeigen = [this](Fenster fenster) {
        return [this, fenster] { m_dialoge.fensterZeigen(fenster); };
    };
    std::vector<Tastenbefehl> tabelle{
        {Taste::Enter, {}, QStringLiteral("Enter"), [&r] { r.startGedrueckt(); }},
        {Taste::Leertaste,
         {},
         QStringLiteral("Leertaste"),
         [&r] {
             if (r.stand().gestartet)
                 r.crashUmschalten();
         }},
        {Taste::D, {Shift}, QStringLiteral("Umschalt+D"), zwischenRennen([&r] {
             r.ergebnisSpeichern();
         })},
        {Taste::M, {Shift}, QStringLiteral("Umschalt+M"), zwischenRennen([&r] {
             r.hoechstgeschwindigkeitZuruecksetzen();
         })},
        {Taste::H, {Shift}, QStringLiteral("Umschalt+H"), zwischenRennen(wennOptionenFrei([this] {
             hallOfFameZeigen();
         }))},
        {Taste::O, {Shift}, QStringLiteral("Umschalt+O"), zwischenRennen(wennOptionenFrei([this] {
             m_start.optionenOeffnen();
         }))},
        // The race format is the race's: it never changes during one.
        {Taste::R,
         {Shift},
         QStringLiteral("Umschalt+R"),
         zwischenRennen(wennOptionenFrei(fensterZeigen(Fenster::Rennformat)))},
        // Like the options: never during a race, so no lap goes to the test instead.
        {Taste::T,
         {Shift},
         QStringLiteral("Umschalt+T"),
         zwischenRennen(wennOptionenFrei(fensterZeigen(Fenster::Sensortest)))},
        {Taste::A,
         {Shift},
         QStringLiteral("Umschalt+A"),
         zwischenRennen(wennOptionenFrei(fensterZeigen(Fenster::fAnsagen)))},
        {Taste::I,
         {Shift},
         QStringLiteral("Umschalt+I"),
         zwischenRennen(fensterZeigen(Fenster::Info))},
        {Taste::V,
         {Shift},
         QStringLiteral("Umschalt+V"),
         zwischenRennen(wennOptionenFrei(fensterZeigen(Fenster::fVerlauf)))},
        // The night's roster and plan change what is loaded next: never during a race.
        {Taste::N,
         {Shift},
         QStringLiteral("Umschalt+N"),
         zwischenRennen(wennOptionenFrei(fensterZeigen(Fenster::Rennabend)))},
        {Taste::Z, {Shift}, QStringLiteral("Umschalt+Z"), [this] { m_zuschauer.umschalten(); }},
        {Taste::F11, {0}, QStringLiteral("F11"), [this] { m_zuschauer.vollbildUmschalten(); }},
        // Where "+" needs Shift, Ctrl+Shift is the same key.
        {Taste::Plus,
         {Strg, Strg | Shift},
         QStringLiteral("Strg+Plus"),
         [this] { m_zoom.groesser(); }},
        {Taste::Minus, {Strg}, QStringLiteral("Strg+Minus"), [this] { m_zoom.kleiner(); }},
        {Taste::Ziffer0, {Strg}, QStringLiteral("Strg+0"), [this] { m_zoom.zuruecksetzen(); }},
    };
    spurtastenAnfuegen(tabelle);
    straftastenAnfuegen(tabelle);
    return tabelle;
}

namespace {
constexpr std::array<Taste, GroessteSpurenzahl> Ziffertasten{
    Taste::Ziffer1, Taste::Ziffer2, Taste::Ziffer3, Taste::Ziffer4,
    Taste::Ziffer5, Taste::Ziffer6, Taste::Ziffer7, Taste::Ziffer8};
constexpr std::array<Taste, GroessteSpurenzahl> Funktionstasten{
    Taste::F1, Taste::F2, Taste::F3, Taste::F4, Taste::F5, Taste::F6, Taste::F7, Taste::F8};

// A lane the track does not have has no keys: its digit does nothing.
std::function<void()> aufDerBahn(Rennen& r, int spur, std::function<void(int)> aktion) {
    return [&r, spur, aktion = std::move(aktion)] {
        if (spur <= r.spurenzahl())
            aktion(spur);
    };
}
} // namespace

void Tastatur::spurtastenAnfuegen(std::vector<Tastenbefehl>& tabelle) {
    using namespace Umschaltung;
    Rennen& r = m_rennen;
    for (int spur = 1; spur <= GroessteSpurenzahl; ++spur) {
        const Taste ziffer = Ziffertasten[static_cast<std::size_t>(spur - 1)];
        const QString nummer = QString::number(spur);
        tabelle.push_back({ziffer, {Shift}, QStringLiteral("Umschalt+") + nummer,
                           aufDerBahn(r, spur, [&r](int s) { r.handrunde(s); })});
        tabelle.push_back({ziffer, {Strg}, QStringLiteral("Strg+") + nummer,
                           aufDerBahn(r, spur, [&r](int s) { r.rundeStreichen(s); })});
        tabelle.push_back(
            {Funktionstasten[static_cast<std::size_t>(spur - 1)], {Shift},
             QStringLiteral("Umschalt+F") + nummer, aufDerBahn(r, spur, [this, &r](int s) {
                 if (r.stand().signaleGesperrt)
                     m_fahrer.umbenennen(s);
             })});
    }
}

void Tastatur::straftastenAnfuegen(std::vector<Tastenbefehl>& tabelle) {
    using namespace Umschaltung;
    Rennen& r = m_rennen;
    const QString grund = QStringLiteral("Rennleitung");
    for (int spur = 1; spur <= GroessteSpurenzahl; ++spur) {
        const Taste ziffer = Ziffertasten[static_cast<std::size_t>(spur - 1)];
        const QString nummer = QString::number(spur);
        tabelle.push_back({ziffer, {Alt}, QStringLiteral("Alt+") + nummer,
                           aufDerBahn(r, spur, [&r, grund](int s) {
                               r.strafeGeben(s, Strafart::Zeit, r.einstellungen().strafzeit, grund);
                           })});
        tabelle.push_back({ziffer, {Alt | Shift}, QStringLiteral("Alt+Umschalt+") + nummer,
                           aufDerBahn(r, spur, [&r, grund](int s) {
                               r.strafeGeben(s, Strafart::StopAndGo,
                                             r.einstellungen().stopAndGoZeit, grund);
                           })});
        tabelle.push_back({Funktionstasten[static_cast<std::size_t>(spur - 1)],
                           {Strg | Shift},
                           QStringLiteral("Strg+Umschalt+F") + nummer,
                           aufDerBahn(r, spur, [&r, grund](int s) {
                               r.strafeGeben(s, Strafart::Runden, 1, grund);
                           })});
    }
    tabelle.push_back({Taste::Ruecktaste, {Alt}, QStringLiteral("Alt+Rücktaste"),
                       [&r] { r.strafeZuruecknehmen(); }});
}

void Tastatur::tasteGedrueckt(Taste taste, int umschaltung) {
    // A key may have a row per shift state (Shift+1 a lap by hand, Ctrl+1 one taken back).
    for (const Tastenbefehl& befehl : m_tabelle) {
        const auto& erlaubt = befehl.umschaltungen;
        if (befehl.taste == taste && (erlaubt.empty() || std::find(erlaubt.begin(), erlaubt.end(),
                                                                   umschaltung) != erlaubt.end())) {
            befehl.aktion();
            return;
        }
    }
}

void Tastatur::countdownGeklickt(int umschaltung) {
    if (umschaltung != (Umschaltung::Shift | Umschaltung::Strg))
        return;
    if (m_rennen.spurenzahl() > KleinsteSpurenzahl) {
        m_dialoge.meldung(QStringLiteral("Der Einzelmodus (ein Sensor für beide Spuren) geht nur "
                                         "auf einer Bahn mit zwei Spuren."),
                          Anwendungstitel);
        return;
    }
    m_rennen.einzelmodusUmschalten();
    m_dialoge.meldung(
        QStringLiteral("Einzelmodus ist jetz ") +
            (m_rennen.stand().einzelmodus ? QStringLiteral("Wahr") : QStringLiteral("Falsch")) +
            QStringLiteral("\r\nDer Einzelmodus geht nicht bei Shift + 1 bzw + 2"),
        Anwendungstitel);
}

void Tastatur::hallOfFameZeigen() {
    m_dialoge.fensterZeigen(Fenster::fhof);
}

void Tastatur::statusleisteGeklickt() {
    if (m_rennen.stand().signaleGesperrt)
        m_dialoge.fensterZeigen(Fenster::Info);
}
