// Opens the port of the active signal source (the lap sensors' port, or in RaceControl
// mode the timing box's), asking the user for a port until one opens or they give up,
// and tells the user when an open port is lost during the run.
#pragma once

#include "Dialoge.h"
#include "Einstellungswerte.h"
#include "Portsteuerung.h"
#include "Rennen.h"
#include "SeriellerAnschluss.h"

class Schnittstellensteuerung final : public Portsteuerung {
public:
    Schnittstellensteuerung(Rennen& rennen, Einstellungsspeicher& speicher, Dialoge& dialoge,
                            SeriellerAnschluss& sensoranschluss, SeriellerAnschluss& boxport);

    void SchnittstelleOeffnen(const QString& modus) override;
    void aktivenPortSchliessen() override;

private:
    bool portOeffnen(const QString& porttext);
    void ohneSchnittstelle();
    void verloren(Stoerung stoerung);
    SeriellerAnschluss& aktiverPort();

    Rennen& m_rennen;
    Einstellungswerte m_werte;
    Dialoge& m_dialoge;
    SeriellerAnschluss& m_sensoranschluss;
    SeriellerAnschluss& m_boxport;
    QString m_porttext; // as the user gave it, for messages about the open port
};
