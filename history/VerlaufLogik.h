// The history window's logic: which page is shown (the list of races, a race, a driver, a
// season) and the way between them, with the pieces that do the work: the list, deleting,
// exporting, correcting, judging again and the seasons. The window forwards keys as these
// commands and renders the view state after each, and again whenever an answer from the
// database has changed it: the database is read on the reader's thread, so the window shows
// at once what it has. Races still waiting to be stored are in the list, marked.
#pragma once

#include "Dialoge.h"
#include "Exportauftrag.h"
#include "Neubewertung.h"
#include "Rennliste.h"
#include "Rennloeschung.h"
#include "Saisonseite.h"
#include "VerlaufAnsicht.h"
#include "Verlaufsabfragen.h"
#include "Verlaufsanfragen.h"
#include "Verlaufskorrektur.h"
#include "Verlaufsleser.h"

class Rennen;

class VerlaufLogik {
public:
    using Wartende = Rennliste::Wartende;
    // Writes a race's result file, as Shift+D does for the race just driven.
    using Ergebnisdatei = std::function<void(const Rennen&)>;
    using Saisonquelle = Saisonseite::Quelle;

    // exportordner: where exports are suggested.
    VerlaufLogik(Verlaufsleser& leser, Dialoge& dialoge, QString exportordner,
                 Wartende wartende = {}, Ergebnisdatei ergebnisdatei = {},
                 Saisonquelle saisons = {});
    ~VerlaufLogik();

    const VerlaufAnsicht& ansicht() const { return m_ansicht; }
    // Told after an answer from the database changed the view state.
    void beiAenderung(std::function<void()> aufruf) { m_beiAenderung = std::move(aufruf); }

    void filterSetzen(const QString& text);
    void auswahlSetzen(int zeile);
    // Enter: the race chosen in the list.
    void oeffnen();
    // The driver of a lane of the race chosen or shown; none for a lane it did not have.
    void fahrerOeffnen(int spur);
    // Esc: one page back, or on the list the filter cleared; false when the window closes.
    bool zurueck();
    // Del: the race chosen or shown, or on a driver's page all of that driver's races.
    void loeschen();
    // The race shown, or all races. The path the file dialog suggests first:
    QString exportvorschlag() const;
    void exportieren(const QString& pfad);

    // K on a race's page: its correction begins (Esc ends it). Each edit is stored at once,
    // the race as first stored kept beside it.
    void korrigieren();
    void korrekturSpur(int schritt);
    void korrekturRunde(int schritt);
    // Del in the correction deletes the crossing at the end of the chosen lap (loeschen()).
    // Ins: a missed crossing inserted into the chosen lap; zeitFragen: at a typed time.
    void durchfahrtEinfuegen(bool zeitFragen);
    void korrekturRueckgaengig();
    // S in the correction: a penalty for the chosen lane; Shift+S takes its last one back.
    void strafeGeben();
    void strafeZuruecknehmen();
    // The race as first stored comes back.
    void originalWiederherstellen();
    // The result file written again from the race shown, as it now stands.
    void ergebnisdateiSchreiben();
    // P on a race's page: the race judged again beside it; Enter stores it as a correction,
    // Esc leaves it.
    void neuBewerten();

    // Ctrl+S on the list: the championship table of the newest season; ←→ the others.
    void saisonZeigen();
    void saisonWechseln(int schritt);
    // S on a season: how many of each driver's worst nights it drops.
    void streichresultateFragen();
    // The season shown, for printing; empty on any other page.
    Tabelle saisontabelle() const;

private:
    using Seite = VerlaufAnsicht::Seite;

    // The view state made again from the facts below.
    void darstellen();
    void listeZeigen();
    // nummer: below zero for a waiting race, counted back from the newest. korrigieren: its
    // correction begins afresh.
    void rennenZeigen(qint64 nummer, bool korrigieren = false);
    void rennseiteZeigen(std::optional<qint64> nummer, Rennaufzeichnung rennen);
    void fahrerZeigen(const QString& name);
    // The race shown, as the correction has it while one is on.
    const Rennaufzeichnung* gezeigt() const;
    // The correction's race stays shown.
    void korrekturBeenden();
    // A stored race shown may be changed; otherwise the racer is told why not.
    bool aenderbar(const QString& was);
    void neuBewertungUebernehmen();
    Exportauftrag::Auswahl exportauswahl() const;

    Verlaufsanfragen m_anfragen;
    Dialoge& m_dialoge;
    Ergebnisdatei m_ergebnisdatei;
    Rennliste m_liste;
    Exportauftrag m_export;
    Rennloeschung m_loeschung;
    Verlaufskorrektur m_korrektur;
    Saisonseite m_saison;

    Seite m_seite = Seite::Liste;
    std::optional<Rennaufzeichnung> m_gezeigt;  // the race shown, unless corrected
    std::optional<qint64> m_rennen;             // its number; none while it waits
    std::optional<Neubewertung> m_neuBewertung; // judged again, shown beside it
    QString m_fahrer;                           // the driver shown
    Fahrerbilanz m_bilanz;                      // and their figures
    Seite m_vorFahrer = Seite::Liste;

    std::function<void()> m_beiAenderung;
    VerlaufAnsicht m_ansicht;
};
