// The history window's logic: the list of races with its driver filter, a race's laps, a
// driver's record, deleting after a question and exporting. The window forwards keys as
// these commands and renders the view state after each, and again whenever an answer from
// the database has changed it: the database is read on the reader's thread, so the window
// shows at once what it has. Races still waiting to be stored are in the list, marked.
#pragma once

#include "Dialoge.h"
#include "Korrektur.h"
#include "Tabelle.h"
#include "VerlaufAnsicht.h"
#include "Verlaufsabfragen.h"
#include "Verlaufsleser.h"

#include <memory>

class VerlaufLogik {
public:
    // The races handed to the writer and not in the database yet, oldest first; called on
    // the reader's thread.
    using Wartende = std::function<std::vector<Rennaufzeichnung>()>;
    // Writes a race's result file, as Shift+D does for the race just driven.
    using Ergebnisdatei = std::function<void(const Rennen&)>;

    // The seasons' championship tables, the newest season first; called on the reader's
    // thread.
    using Saisonquelle = std::function<std::vector<Saisonwertung>(Verlaufsdatenbank&)>;

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
    // The driver of lane 1 or 2 of the race chosen or shown.
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
    // The race as first stored comes back.
    void originalWiederherstellen();
    // The result file written again from the race shown, as it now stands.
    void ergebnisdateiSchreiben();
    // P on a race's page: the race judged again from its raw signals with a Prellzeit the
    // racer types, beside the race as it stands; Enter stores it as a correction, Esc
    // leaves it.
    void neuBewerten();

    // Ctrl+S on the list: the championship table of the newest season; ←→ the others.
    void saisonZeigen();
    void saisonWechseln(int schritt);
    // The season shown, for printing; empty on any other page.
    Tabelle saisontabelle() const;

private:
    void saisonseiteFuellen();
    // Runs the work on the reader's thread; the answer comes back here unless the window
    // has closed, or, with `seite` set, the racer has gone to another page meanwhile.
    template <typename T>
    void fragen(std::function<T(Verlaufsdatenbank&)> arbeit, std::function<void(T&)> antwort,
                bool seite = false);
    void listeLaden();
    void listeZeigen();
    // nummer: below zero for a waiting race, counted back from the newest. korrigieren: its
    // correction begins afresh.
    void rennenZeigen(qint64 nummer, bool korrigieren = false);
    void rennseiteZeigen(std::optional<qint64> nummer, const Rennaufzeichnung& rennen);
    void fahrerZeigen(const QString& name);
    void tastenSetzen();
    void hinweisSetzen();
    const Rennzeile* gewaehlt() const;
    void geaendert();
    // A stored race may be changed; otherwise the racer is told why not.
    bool aenderbar(const QString& was);
    void durchfahrtLoeschen();
    // The race as the correction now has it goes to the database; bisher: as stored.
    void korrekturSpeichern(const Rennaufzeichnung& bisher);
    void korrekturZeigen();
    void neuBewertungUebernehmen();

    Verlaufsleser& m_leser;
    Dialoge& m_dialoge;
    QString m_exportordner;
    Wartende m_wartendeQuelle;
    Ergebnisdatei m_ergebnisdatei;
    Saisonquelle m_saisonquelle;
    std::vector<Saisonwertung> m_saisons;
    std::size_t m_saison = 0;                       // the one shown
    std::unique_ptr<Korrektur> m_korrektur;         // while the race shown is corrected
    std::optional<Rennaufzeichnung> m_neuBewertung; // judged again, shown beside it
    std::function<void()> m_beiAenderung;
    VerlaufAnsicht m_ansicht;
    std::vector<Rennzeile> m_alle;
    std::vector<Rennaufzeichnung> m_wartende; // as the list shows them, oldest first
    bool m_beschreibbar = false;              // deleting is allowed
    bool m_nurLesen = false;                  // a newer program's database
    QString m_datenbankhinweis;
    QString m_exporthinweis;
    std::optional<Rennaufzeichnung> m_gezeigt; // the race shown
    std::optional<qint64> m_rennen;            // its number; none while it waits
    Spuren<QString> m_rennfahrer;              // its drivers
    QString m_fahrer;                          // the driver shown
    VerlaufAnsicht::Seite m_vorFahrer = VerlaufAnsicht::Seite::Liste;
    int m_seitenwechsel = 0;
    std::shared_ptr<bool> m_lebt = std::make_shared<bool>(true);
};
