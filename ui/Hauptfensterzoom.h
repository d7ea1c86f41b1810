// The zoom keys at work: the logic decides the step for the room the main window's screen
// has, the window draws itself at it and stays on its screen as it grows.
#pragma once

#include "Hauptfenster.h"
#include "Tastatur.h"
#include "Zoomstufe.h"

class Hauptfensterzoom final : public Fensterzoom {
public:
    explicit Hauptfensterzoom(Zoomstufe& stufe) : m_stufe(stufe) {}
    // The window the zoom applies to, built after the keys that zoom it. Set before the
    // window is shown; until then the steps are only remembered.
    void fensterSetzen(Hauptfenster& fenster) { m_fenster = &fenster; }

    // The zoom chosen last, as far as the screen holds it.
    void einpassen();
    // For the windows the main window opens.
    Massstab massstab() const { return Massstab(m_stufe.prozent()); }

    void groesser() override;
    void kleiner() override;
    void zuruecksetzen() override;

private:
    // The room the screen has for the window's client area, its frame taken off.
    QSize platz() const;
    void zeigen();

    Zoomstufe& m_stufe;
    Hauptfenster* m_fenster = nullptr;
};
