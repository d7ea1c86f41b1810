// What the box settings window fRaceControl shows and does: the three box parameters as
// text with their checks, the sensor swap, the version button and the confirmation.
#pragma once

#include "BoxBibliothek.h"
#include "Dialoge.h"
#include "Einstellungswerte.h"
#include "Rennen.h"

#include <array>
#include <optional>

class RaceControlEinstellungen {
public:
    enum class Feld { teEmpfindlichkeit, teVerzoegerung, teNachlauf };
    static constexpr std::array<Feld, 3> Felder{Feld::teEmpfindlichkeit, Feld::teVerzoegerung,
                                                Feld::teNachlauf};

    RaceControlEinstellungen(Rennen& rennen, Einstellungsspeicher& speicher, BoxBibliothek& box,
                             Dialoge& dialoge);

    // The contents of the controls.
    QString& text(Feld feld) { return m_texte[static_cast<std::size_t>(feld)]; }
    bool checkSZsensorTausch = false;

    void oeffnen();
    // Leaving a text box: false when its entry is refused (with the field's message) and
    // the focus is to stay in it.
    bool Validate(Feld feld);
    void bibliotheksversionZeigen();
    // Stores the four values and closes the window; or, when a box holds no acceptable
    // value, tells so, stores nothing and names the box that keeps the focus.
    std::optional<Feld> okGedrueckt();

private:
    Rennen& m_rennen;
    Einstellungswerte m_werte;
    BoxBibliothek& m_box;
    Dialoge& m_dialoge;
    std::array<QString, 3> m_texte;
};
