// The whole program, wired: the race, its settings and records, the signal sources, the
// platform pieces and the windows, in the order they depend on each other.
#pragma once

#include "Ansagen.h"
#include "Ansageprotokoll.h"
#include "BoxUhr.h"
#include "Datenport.h"
#include "Ergebnisexport.h"
#include "EspeakSprecher.h"
#include "Fahrernamen.h"
#include "Hauptfenster.h"
#include "Hauptfensterzoom.h"
#include "Hofmodul.h"
#include "InfoAnzeigen.h"
#include "JnutlBibliothek.h"
#include "Leitungsbehandlung.h"
#include "Platinenempfang.h"
#include "Platinenuhr.h"
#include "Programmoptionen.h"
#include "Programmstart.h"
#include "QtDialoge.h"
#include "QtEinstellungsspeicher.h"
#include "QtKlangausgabe.h"
#include "QtWecker.h"
#include "QtZeitgeber.h"
#include "RaceControlEmpfang.h"
#include "Rekordstelle.h"
#include "Rennabendleiter.h"
#include "Rennabendverlauf.h"
#include "Rennen.h"
#include "Rennmitschrift.h"
#include "Rennvermerk.h"
#include "Schnittstellensteuerung.h"
#include "Sensoranschluss.h"
#include "Sensorport.h"
#include "Sensortest.h"
#include "Signalprotokoll.h"
#include "Simulationsport.h"
#include "Streckenrufwacht.h"
#include "Tastatur.h"
#include "Verlaufsleser.h"
#include "Verlaufsmeldungen.h"
#include "Verlaufsschreiber.h"
#include "Zoomstufe.h"
#include "Zuschauerbetrieb.h"

#include <optional>

class Anwendung {
public:
    Anwendung(const Programmoptionen& optionen, const Programmdateien& dateien);
    // A race under way is kept in the history as stopped.
    ~Anwendung();
    Anwendung(const Anwendung&) = delete;
    Anwendung& operator=(const Anwendung&) = delete;
    void starten();

private:
    void signalquellenVerbinden();
    void verlaufVerbinden();
    void ansagenVerbinden();
    void fensterAnmelden();
    Signalquelle signalquelle() const;
    Programmangaben programmangaben() const;

    // Built in the order they depend on each other: every reference handed on is to an
    // object that exists already.
    Programmoptionen m_optionen;
    Programmdateien m_dateien;
    // Its clock starts here, with the program.
    Ansageprotokoll m_ansageprotokoll;
    Systemuhr m_systemuhr;
    JnutlBibliothek m_box{JnutlBibliothek::standardorte(m_dateien)};
    BoxUhr m_boxuhr{m_box};
    Platinenuhr m_platinenuhr;
    QtZeitgeber m_countdown;
    QtZeitgeber m_boxwacht;
    QtWecker m_rennzeit;
    QtDialoge m_dialoge;
    QtKlangausgabe m_klang{m_dateien};
    QtEinstellungsspeicher m_speicher{m_dialoge};
    Datenverzeichnis m_daten{m_optionen.datenverzeichnis, m_optionen.datenordnerAnlegen};
    Hofmodul m_hof{m_daten, m_dialoge};
    Systemtagesuhr m_tagesuhr;
    Ergebnisexport m_ergebnis{m_daten, m_dialoge, m_tagesuhr};
    Rekordstelle m_rekorde{m_hof, m_ergebnis};
    Ansageeinstellungen m_ansageeinstellungen;
    EspeakSprecher m_sprecher;
    Ansagen m_ansagen{m_sprecher, m_ansageeinstellungen};
    Rennen m_rennen{{m_systemuhr, m_boxuhr, m_platinenuhr, m_countdown, m_boxwacht, m_rennzeit,
                     m_dialoge, m_klang, m_box, m_speicher, m_rekorde}};

    // The automatic track call, outside the race: it gives the race the call as an input.
    QtWecker m_streckenrufwecker;
    Streckenrufwacht m_streckenrufwacht{
        m_streckenrufwecker,
        [this] { return m_rennen.signalzeit(m_rennen.uhr().ticks()) - m_rennen.stand().startzeit; },
        [this](int spur) { m_rennen.streckenrufAusloesen(spur); }};

    // The race's signal sources and their ports.
    Sensorport m_sensorleitungen{m_systemuhr};
    Datenport m_platinenport{Platinenprotokoll::Baud};
    Datenport m_boxport{4800};
    Platinenempfang m_platine{m_rennen, m_platinenuhr, m_dialoge};
    Sensoranschluss m_sensoranschluss{m_sensorleitungen, m_sensorleitungen, m_platinenport,
                                      m_platine};
    Startleitung m_startleitung{m_sensoranschluss};
    // Lanes 5 to 8 on the lines of a second port, whose RTS follows the light as well.
    Sensorport m_zweiteSensorleitungen{m_systemuhr};
    Startleitung m_zweiteStartleitung{m_zweiteSensorleitungen};
    Schnittstellensteuerung m_schnittstellen{
        m_rennen, m_speicher, m_dialoge, m_sensoranschluss, m_boxport, &m_zweiteSensorleitungen};
    // The simulated track replaces the serial port when it was asked for; otherwise it is
    // never opened, and its lap time never read.
    Simulationsport m_simulation{m_rennen, m_systemuhr, m_optionen.simulation.value_or(0)};
    Portsteuerung& m_port{m_optionen.simulation ? static_cast<Portsteuerung&>(m_simulation)
                                                : m_schnittstellen};
    Leitungsbehandlung m_leitungen{m_rennen};
    Leitungsbehandlung m_zweiteLeitungen{m_rennen, 2};
    RaceControlEmpfang m_boxempfang{m_rennen, m_box, m_boxuhr, m_dialoge};
    Signalprotokoll m_signalprotokoll;
    Rennvermerk m_rennvermerk{[this](const Signaleintrag& e) { m_signalprotokoll.eintragen(e); }};

    Programmstart m_start{m_rennen,
                          m_speicher,
                          m_port,
                          m_dialoge,
                          [this] { m_hof.HofLesen(); },
                          m_optionen.spuranzahl};
    Fahrernamen m_fahrer{m_rennen, m_speicher, m_dialoge};
    Zuschauerbetrieb m_zuschauer{m_rennen, m_speicher, m_dialoge};
    Zoomstufe m_zoomstufe{m_speicher};
    Hauptfensterzoom m_zoom{m_zoomstufe};
    Tastatur m_tastatur{m_rennen, m_start, m_dialoge, m_fahrer, m_zuschauer, m_zoom};
    Verlaufsschreiber m_verlauf{m_daten.pfad(Verlaufsdatenbank::Dateiname)};
    // The window's reads; it asks the writer for the races that still wait.
    Verlaufsleser m_verlaufsleser{m_daten.pfad(Verlaufsdatenbank::Dateiname)};
    Verlaufsmeldungen m_verlaufsmeldungen{m_dialoge,
                                          m_daten.anzeigepfad(Verlaufsdatenbank::Dateiname)};
    // Between the race's listener and the store: it counts the night's races on their way.
    Rennabendleiter m_rennabend{m_rennen, m_verlauf};
    // The night's row into the history on each change; an open night offered at start,
    // unless another program on the data folder drives it.
    Rennabendsperre m_rennabendsperre{m_daten.verzeichnis()};
    Rennabendverlauf m_rennabendverlauf{m_rennabend, m_verlauf, m_verlaufsleser, m_dialoge,
                                        m_rennabendsperre};
    Rennmitschrift m_mitschrift{m_rennabend, [this] { return signalquelle(); },
                                [] { return QDateTime::currentDateTime(); }};
    Hauptfenster m_fenster{m_rennen, m_start, m_tastatur, m_fahrer, m_dialoge};
    // While the sensor test is open, the sensor lines feed it instead of the race.
    Sensortest* m_sensortest = nullptr;
};
