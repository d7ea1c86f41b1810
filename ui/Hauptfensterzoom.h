// The zoom keys at work: the logic decides the step for the room the main window's screen
// has, the window draws itself at it and stays on its screen as it grows.
#pragma once

#include "Hauptfenster.h"
#include "Tastatur.h"
#include "Zoomstufe.h"

class Hauptfensterzoom final : public Fensterzoom {
public:
    // `fenster` may be built after this object; it is used only from einpassen() on.
    Hauptfensterzoom(Zoomstufe& stufe, Hauptfenster& fenster);

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
    Hauptfenster& m_fenster;
};
