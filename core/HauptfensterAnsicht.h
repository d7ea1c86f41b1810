// What the main window shows, as plain data named after its controls. The race logic
// writes it; the window only renders it.
#pragma once

#include "Ampel.h"
#include "Farben.h"
#include "Reihe.h"
#include "Rundentabelle.h"

#include <QString>
#include <vector>

// A label, or a label that acts as a button.
struct Bezeichnungsfeld {
    QString Caption;
    QString Tag;
    bool Visible = true;
    bool Enabled = true;
    Farbe ForeColor = Farben::Hellgrau;
};

// The lane-change arrows: straight on, bending left, bending right.
enum class Pfeil { Geradeaus, Links, Rechts };

struct Pfeilbild {
    Pfeil Picture = Pfeil::Geradeaus;
    bool Visible = false;
};

struct Statusfeld {
    QString Key;
    QString Text;
    QString ToolTipText;
};

class Statusleiste {
public:
    Statusleiste();
    // The panel of that key; a key the bar does not have is a programming error.
    Statusfeld& Panels(const QString& key);
    const Statusfeld& Panels(const QString& key) const;
    const std::vector<Statusfeld>& alle() const { return m_felder; }

private:
    std::vector<Statusfeld> m_felder;
};

struct HauptfensterAnsicht {
    HauptfensterAnsicht();

    QString Caption;
    Spuren<Bezeichnungsfeld> LaFahrer;
    Spuren<Bezeichnungsfeld> LaZeit;
    Spuren<Bezeichnungsfeld> LaBestZeit;
    Spuren<Bezeichnungsfeld> LaRunde;
    Bezeichnungsfeld LaHof;
    Bezeichnungsfeld LaEinstellungen;
    Bezeichnungsfeld LaStart;
    Bezeichnungsfeld LaCountdown;
    Bezeichnungsfeld LaCrash;
    Reihe<Lampenbild, 5> ImAmpel;
    Spuren<Pfeilbild> Im2Spur;
    Statusleiste StatusBar1;
    Spuren<Rundentabelle> FG;
};
