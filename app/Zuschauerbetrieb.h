// The spectators' views, wired: the standings follow the race; the live page's server runs
// when the command line or the setting asks for it; the big-screen window opens and closes
// with Shift+Z, fills its screen with F11 or a double-click, and comes back where it was.
#pragma once

#include "Dialoge.h"
#include "QtZeitgeber.h"
#include "Tastatur.h"
#include "Uhr.h"
#include "Webserver.h"
#include "Zuschauereinstellungen.h"
#include "Zuschauerfenster.h"
#include "Zuschauerstand.h"

#include <memory>
#include <optional>

class Zuschauerbetrieb final : public Zuschaueranzeige {
public:
    // `hauptfenster` keeps the keyboard; it may be built after this object.
    Zuschauerbetrieb(Rennen& rennen, Einstellungsspeicher& speicher, Dialoge& dialoge,
                     QWidget& hauptfenster);
    // Remembers where the window was.
    ~Zuschauerbetrieb() override;
    Zuschauerbetrieb(const Zuschauerbetrieb&) = delete;
    Zuschauerbetrieb& operator=(const Zuschauerbetrieb&) = delete;

    // Starts the live page when the command line (`--web`, with its address and port if
    // given) or the setting asks; what the command line leaves open comes from the settings.
    // A port that is taken, or an address that is none of this PC's, is told once and the
    // program goes on without the page.
    void seiteStarten(bool verlangt, std::optional<QString> adresse, std::optional<quint16> port);
    // After every event of the program: a new name or new settings show at once.
    void aktualisieren() { m_stand.aktualisieren(); }
    // What to type on a phone while the page runs and who can open it, such as
    // "http://192.168.1.5:8080/ (für jedes Gerät in jedem Netz dieses PCs)".
    std::optional<QString> adresse() const;

    void umschalten() override;
    void vollbildUmschalten() override;

private:
    void schliessen();
    void lageMerken();

    // The race clock's tenths; before the standings, which take them.
    Systemuhr m_uhr;
    QtZeitgeber m_takt;
    Zuschauerstand m_stand;
    Webserver m_web;
    Hoerort m_ort; // as asked for
    Zuschauereinstellungen m_einstellungen;
    Dialoge& m_dialoge;
    QWidget& m_hauptfenster;
    std::unique_ptr<Zuschauerfenster> m_fenster;
    bool m_vollbild = false;
    QRect m_normal; // the window's place out of full screen
};
