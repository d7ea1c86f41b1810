// The whole program, wired: the race, its settings and records, the platform pieces and
// the windows, in the order they depend on each other.
#pragma once

#include "BoxUhr.h"
#include "Fahrernamen.h"
#include "Hauptfenster.h"
#include "Programmoptionen.h"
#include "Programmstart.h"
#include "QtDialoge.h"
#include "QtEinstellungsspeicher.h"
#include "QtZeitgeber.h"
#include "Rennen.h"
#include "Tastatur.h"
#include "Uebergang.h"

class Anwendung {
public:
    explicit Anwendung(const Programmoptionen& optionen);
    void starten();

private:
    void fensterAnmelden();

    Programmoptionen m_optionen;
    Systemuhr m_systemuhr;
    OhneBox m_box;
    BoxUhr m_boxuhr{m_box};
    QtZeitgeber m_timer;
    QtDialoge m_dialoge;
    StummeKlangausgabe m_klang;
    OhnePort m_port;
    QtEinstellungsspeicher m_speicher;
    OhneRekorde m_rekorde;
    Rennen m_rennen{
        {m_systemuhr, m_boxuhr, m_timer, m_dialoge, m_klang, m_port, m_box, m_speicher, m_rekorde}};
    Programmstart m_start{m_rennen, m_speicher, m_port, m_dialoge, [] {}};
    Fahrernamen m_fahrer{m_rennen, m_speicher, m_dialoge,
                         [this] { return m_fenster.farbmenueZeigen(); }};
    Tastatur m_tastatur{m_rennen, m_start, m_rekorde, m_dialoge, m_fahrer};
    Hauptfenster m_fenster{m_rennen, m_start, m_tastatur, m_fahrer};
};
