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
    Zuschauerbetrieb(Rennen& rennen, Einstellungsspeicher& speicher, Dialoge& dialoge);
    // Remembers where the window was.
    ~Zuschauerbetrieb() override;
    Zuschauerbetrieb(const Zuschauerbetrieb&) = delete;
    Zuschauerbetrieb& operator=(const Zuschauerbetrieb&) = delete;

    // Starts the live page when the command line (`--web`, with its address and port if
    // given) or the setting asks; what the command line leaves open comes from the settings.
    // A port that is taken, or an address that is none of this PC's, is told once and the
    // program goes on without the page.
    void seiteStarten(bool verlangt, std::optional<QString> adresse, std::optional<quint16> port);
    // The window that keeps the keyboard; the big screen opens beside it, on its screen
    // unless told otherwise. Set before the window can be opened.
    void hauptfensterSetzen(QWidget& hauptfenster) { m_hauptfenster = &hauptfenster; }
    // What to type on a phone while the page runs and who can open it, such as
    // "http://192.168.1.5:8080/ (für jedes Gerät in jedem Netz dieses PCs)".
    std::optional<QString> adresse() const;
    // The race night now, after each of its changes; none without one.
    void abendZeigen(std::optional<Abendanzeige> abend) { m_stand.abendSetzen(std::move(abend)); }

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
    Zuschauereinstellungen m_einstellungen;
    Dialoge& m_dialoge;
    QWidget* m_hauptfenster = nullptr;
    std::unique_ptr<Zuschauerfenster> m_fenster;
    bool m_vollbild = false;
    QRect m_normal; // the window's place out of full screen
};
