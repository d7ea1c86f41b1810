// Correcting a finished race on its page in the history: a cursor on one lap of one lane,
// crossings deleted or inserted there, penalties given to the lane or taken back, each edit
// driven again through the race, and undone edit by edit. The race as it stands after each edit is what the history stores.
#pragma once

#include "Nachrechnung.h"

#include <QStringList>
#include <memory>

class Korrektur {
public:
    explicit Korrektur(const Rennaufzeichnung& gespeichert);
    ~Korrektur();

    // The race as it stands: as stored until the first edit.
    const Rennaufzeichnung& rennen() const { return m_rennen; }
    // The race model driven with the crossings as they stand, for the result file.
    const Rennen& rennmodell();

    // ←→: to the next lane, heat by heat; ↑↓: to another lap of the lane.
    void spurWechseln(int schritt);
    void rundeWechseln(int schritt);

    // The edits; the reason in German when the edit is refused, nothing when done.
    std::optional<QString> loeschen();
    std::optional<QString> einfuegen(std::optional<double> sekunden = std::nullopt);
    // After the race, the chosen lane gets a penalty in its heat: seconds on its time
    // (Strafart::Zeit) or laps its result does not count (Strafart::Runden); the lane's last
    // penalty in the heat is taken back. The race's places and winner follow.
    std::optional<QString> strafeGeben(Strafart art, double wert, const QString& grund);
    std::optional<QString> strafeZuruecknehmen();
    // False when there is no edit to undo.
    bool rueckgaengig();
    bool geaendert() const { return !m_vorher.empty(); }

    // The chosen lane's laps around the cursor, for the page.
    QStringList zeilen() const;
    // What the cursor is on, for the prompt of a typed time.
    QString ortText() const;
    // The chosen lane and its driver, for the prompt of a penalty: "Spur 1 (Anna)".
    QString spurText() const;

private:
    // What an edit changes, and undo brings back.
    struct Stand {
        Rennverlauf verlauf;
        std::vector<Strafe> strafen;
    };

    Spurdurchfahrten& gewaehlteSpur() { return m_verlauf[m_lauf][m_spur]; }
    std::optional<QString> anwenden(Rennverlauf neu, std::vector<Strafe> strafen);
    // The race as stored with these penalties, to be driven again.
    Rennaufzeichnung vorlageMit(std::vector<Strafe> strafen) const;
    void rundeBegrenzen();

    Rennaufzeichnung m_vorlage; // as stored when the correction began
    Rennaufzeichnung m_rennen;
    Rennverlauf m_verlauf;
    std::vector<Strafe> m_strafen;
    std::vector<Stand> m_vorher; // undo
    std::unique_ptr<Nachrechnung> m_nachrechnung;
    std::size_t m_lauf = 0;
    int m_spur = 1;
    std::size_t m_runde = 1; // from 1
};
