// The spectators' stored settings: whether the live page runs, on which port and address,
// and where the big-screen window goes. Garbage in the store gives the defaults (only the
// address is handed on as it is, for the page to refuse it aloud rather than listen on
// every network instead); a remembered screen that is gone, or a size that no longer
// fits, gives a place that does.
#pragma once

#include "Einstellungswerte.h"

#include <QRect>
#include <QString>
#include <vector>

// A screen as the window system names it, and the part of it windows may use.
struct Bildschirm {
    QString name;
    QRect flaeche;
};

struct Fensterlage {
    int bildschirm = 0; // index into the screens given
    QRect rahmen;       // the window out of full screen
    bool vollbild = false;
};

class Zuschauereinstellungen {
public:
    static constexpr QSize Mindestgroesse{640, 360};

    explicit Zuschauereinstellungen(Einstellungsspeicher& speicher) : m_werte(speicher) {}

    bool seiteAn();
    quint16 port();
    // The address the page listens on as stored, blanks trimmed; empty: every one.
    QString adresse();

    // The remembered screen if it is there; otherwise the first screen that is not the
    // main window's (the big screen is meant to be another one), or the main window's.
    // The remembered size, at least the smallest and at most the screen, centred on it.
    Fensterlage lage(const std::vector<Bildschirm>& bildschirme, int hauptbildschirm);
    void merken(const QString& bildschirm, QSize groesse, bool vollbild);

private:
    Einstellungswerte m_werte;
};
