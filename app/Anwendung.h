// The whole program, wired: the race, its settings and records, the platform pieces and
// the windows, in the order they depend on each other.
#pragma once

#include "BoxUhr.h"
#include "Ergebnisexport.h"
#include "Fahrernamen.h"
#include "Hauptfenster.h"
#include "Hofmodul.h"
#include "Programmoptionen.h"
#include "Programmstart.h"
#include "QtDialoge.h"
#include "QtEinstellungsspeicher.h"
#include "QtKlangausgabe.h"
#include "QtZeitgeber.h"
#include "Rekordstelle.h"
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
    QtKlangausgabe m_klang;
    OhnePort m_port;
    QtEinstellungsspeicher m_speicher;
    Datenverzeichnis m_daten{m_optionen.datenverzeichnis};
    Hofmodul m_hof{m_daten, m_dialoge};
    Systemtagesuhr m_tagesuhr;
    Ergebnisexport m_ergebnis{m_daten, m_dialoge, m_tagesuhr};
    Rekordstelle m_rekorde{m_rennen, m_hof, m_ergebnis};
    Rennen m_rennen{
        {m_systemuhr, m_boxuhr, m_timer, m_dialoge, m_klang, m_port, m_box, m_speicher, m_rekorde}};
    Programmstart m_start{m_rennen, m_speicher, m_port, m_dialoge, [this] { m_hof.HofLesen(); }};
    Fahrernamen m_fahrer{m_rennen, m_speicher, m_dialoge,
                         [this] { return m_fenster.farbmenueZeigen(); }};
    Tastatur m_tastatur{m_rennen, m_start, m_rekorde, m_dialoge, m_fahrer};
    Hauptfenster m_fenster{m_rennen, m_start, m_tastatur, m_fahrer};
};
