// Opens the port of the active signal source (the lap sensors' port, or in RaceControl
// mode the timing box's), asking the user for a port until one opens or they give up,
// and tells the user when an open port is lost during the run. A track of more than four
// lanes has its lanes 5 to 8 on a second sensor port, opened and asked for the same way.
#pragma once

#include "Dialoge.h"
#include "Einstellungswerte.h"
#include "Portsteuerung.h"
#include "Rennen.h"
#include "SeriellerAnschluss.h"

class Schnittstellensteuerung final : public Portsteuerung {
public:
    // `zweiterSensorport`, where there is one, carries lanes 5 to 8.
    Schnittstellensteuerung(Rennen& rennen, Einstellungsspeicher& speicher, Dialoge& dialoge,
                            SeriellerAnschluss& sensoranschluss, SeriellerAnschluss& boxport,
                            SeriellerAnschluss* zweiterSensorport = nullptr);

    void SchnittstelleOeffnen(const QString& modus) override;
    // Both sensor ports, or the box's.
    void aktivenPortSchliessen() override;

    // Opens the second sensor port where the track has lanes for it, the first port is open
    // and the second is not yet (its stored port, else asking); closes it where the track
    // has no lanes for it or the box times.
    void zweitenPortAnpassen();

private:
    void ohneSchnittstelle();
    void verloren(Stoerung stoerung);
    void zweiterVerloren(Stoerung stoerung);
    void zweitenPortMelden(const QString& port);
    SeriellerAnschluss& aktiverPort();

    Rennen& m_rennen;
    Einstellungswerte m_werte;
    Dialoge& m_dialoge;
    SeriellerAnschluss& m_sensoranschluss;
    SeriellerAnschluss& m_boxport;
    SeriellerAnschluss* m_zweiterSensorport;
    QString m_porttext; // as the user gave it, for messages about the open port
    QString m_zweiterPorttext;
};
