#include "Tastatur.h"

Tastatur::Tastatur(Rennen& rennen, Programmstart& start, Dialoge& dialoge,
                   Fahrernamen& fahrer, Zuschaueranzeige& zuschauer)
    : m_rennen(rennen), m_start(start), m_dialoge(dialoge), m_fahrer(fahrer),
      m_zuschauer(zuschauer) {}

void Tastatur::Form_KeyDown(Taste taste, int umschaltung) {
    Rennen& r = m_rennen;
    const Rennstand& s = r.stand();
    if (taste == Taste::Enter) {
        r.startGedrueckt();
        return;
    }
    if (taste == Taste::Leertaste) {
        if (s.gestartet)
            r.crashUmschalten();
        return;
    }
    if (taste == Taste::F11 && umschaltung == 0) {
        m_zuschauer.vollbildUmschalten();
        return;
    }
    // The rest needs Shift alone, without Ctrl or Alt.
    if (umschaltung != Umschaltung::Shift)
        return;
    // Laps by hand count while signals count; the rest only between races (or in a crash
    // pause), and a disabled label-button's key does nothing either.
    const bool gesperrt = s.signaleGesperrt;
    switch (taste) {
    case Taste::Ziffer1: r.handrunde(1); break;
    case Taste::Ziffer2: r.handrunde(2); break;
    case Taste::Z: m_zuschauer.umschalten(); break;
    case Taste::D:
        if (gesperrt)
            r.ergebnisSpeichern();
        break;
    case Taste::M:
        if (gesperrt)
            r.hoechstgeschwindigkeitZuruecksetzen();
        break;
    case Taste::H:
        if (gesperrt && s.optionenFrei)
            LaHof_Click();
        break;
    case Taste::V:
        if (gesperrt && s.optionenFrei)
            m_dialoge.fensterZeigen(Fenster::fVerlauf);
        break;
    case Taste::O:
        if (gesperrt && s.optionenFrei)
            m_start.LaEinstellungen_Click();
        break;
    case Taste::T:
        // Like the options: never during a race, so no lap goes to the test instead.
        if (gesperrt && s.optionenFrei)
            m_dialoge.fensterZeigen(Fenster::Sensortest);
        break;
    case Taste::A:
        if (gesperrt && s.optionenFrei)
            m_dialoge.fensterZeigen(Fenster::fAnsagen);
        break;
    case Taste::I:
        if (gesperrt)
            m_dialoge.fensterZeigen(Fenster::Info);
        break;
    case Taste::F1:
        if (gesperrt)
            m_fahrer.umbenennen(1);
        break;
    case Taste::F2:
        if (gesperrt)
            m_fahrer.umbenennen(2);
        break;
    default: break;
    }
}

void Tastatur::LaCountdown_MouseUp(int umschaltung) {
    if (umschaltung != (Umschaltung::Shift | Umschaltung::Strg))
        return;
    m_rennen.einzelmodusUmschalten();
    m_dialoge.meldung(
        QStringLiteral("Einzelmodus ist jetz ") +
            (m_rennen.stand().einzelmodus ? QStringLiteral("Wahr") : QStringLiteral("Falsch")) +
            QStringLiteral("\r\nDer Einzelmodus geht nicht bei Shift + 1 bzw + 2"),
        Anwendungstitel);
}

void Tastatur::LaHof_Click() {
    m_dialoge.fensterZeigen(Fenster::fhof);
}

void Tastatur::StatusBar1_PanelClick() {
    if (m_rennen.stand().signaleGesperrt)
        m_dialoge.fensterZeigen(Fenster::Info);
}
