// The history window's logic: the list of races with its driver filter, a race's laps, a
// driver's record, deleting after a question and exporting. The window forwards keys as
// these commands and renders the view state after each.
#pragma once

#include "Dialoge.h"
#include "VerlaufAnsicht.h"
#include "Verlaufsabfragen.h"

class VerlaufLogik {
public:
    // datenbank: connected for reading (and deleting, where allowed), or not connected
    // when there is no database yet. exportordner: where exports are suggested.
    VerlaufLogik(Verlaufsdatenbank& datenbank, Dialoge& dialoge, QString exportordner);

    const VerlaufAnsicht& ansicht() const { return m_ansicht; }

    void filterSetzen(const QString& text);
    void auswahlSetzen(int zeile);
    // Enter: the race chosen in the list.
    void oeffnen();
    // The driver of lane 1 or 2 of the race chosen or shown.
    void fahrerOeffnen(int spur);
    // Esc: one page back, or on the list the filter cleared; false when the window closes.
    bool zurueck();
    // Del: the race chosen or shown, or on a driver's page all of that driver's races.
    void loeschen();
    // The race shown, or all races. The path the file dialog suggests first:
    QString exportvorschlag() const;
    void exportieren(const QString& pfad);

private:
    void listeLaden();
    void listeZeigen();
    void rennenZeigen(qint64 nummer);
    void fahrerZeigen(const QString& name);
    void tastenSetzen();
    const Rennzeile* gewaehlt() const;

    Verlaufsdatenbank& m_db;
    Verlaufsabfragen m_abfragen;
    Dialoge& m_dialoge;
    QString m_exportordner;
    VerlaufAnsicht m_ansicht;
    std::vector<Rennzeile> m_alle;
    std::optional<qint64> m_rennen; // the race shown
    Spuren<QString> m_rennfahrer;   // its drivers
    QString m_fahrer;               // the driver shown
    VerlaufAnsicht::Seite m_vorFahrer = VerlaufAnsicht::Seite::Liste;
};
