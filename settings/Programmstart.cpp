#include "Programmstart.h"

#include "Zahlenformat.h"

namespace E = Einstellungen;

Programmstart::Programmstart(Rennen& rennen, Einstellungsspeicher& speicher, Portsteuerung& port,
                             Dialoge& dialoge, std::function<void()> hofLesen)
    : m_rennen(rennen), m_werte(speicher), m_port(port), m_dialoge(dialoge),
      m_hofLesen(std::move(hofLesen)) {}

void Programmstart::Form_Load() {
    Rennen& r = m_rennen;
    HauptfensterAnsicht& fR = r.fR;
    // The lap tables have their three columns and headings from their construction on.
    r.Kurslaenge = m_werte.kurslaenge(E::Laenge);
    r.Rundenzahl = m_werte.rundenzahl(E::Runden);
    streckenangabenZeigen();
    r.Prellzeit = m_werte.dezimal(E::Prellzeit);

    fR.Caption = m_werte.text(E::Caption);
    m_werte.speichern(E::Caption, fR.Caption);

    r.TabelleDimensionieren();

    r.RaceControl = m_werte.flag(E::RaceControl);
    r.RCEmpfindlichkeit = m_werte.ganzzahl(E::RCEmpfindlichkeit);
    r.RCVerzoegerung = m_werte.ganzzahl(E::RCVerzoegerung);
    r.RCNachlauf = m_werte.ganzzahl(E::RCNachlauf);
    r.RCSZsensorTausch = m_werte.flag(E::RCSZsensorTausch);

    r.RundenBeep = m_werte.flag(E::RundenBeep);
    r.MitSound = m_werte.flag(E::MitSound);
    r.SchnellsterRundenBeep = m_werte.flag(E::SchnellsterRundenBeep);
    r.PermanentesLogging = m_werte.flag(E::PermanentesLogging);
    r.MaxGeschwManuell = m_werte.flag(E::MaxGeschwManuell);
    r.Ampelbilder = m_werte.flag(E::Ampelbilder);

    r.Rennmodus = m_werte.flag(E::Rennmodus);
    ModusSetzen(r.Rennmodus);

    r.OhneCountdown = m_werte.flag(E::OhneCountdown);
    r.Einzelmodus = false;

    for (int spur = 1; spur <= 2; ++spur) {
        r.Fahrer[spur] = m_werte.text(E::Fahrer[spur]);
        fR.LaFahrer[spur].Caption = r.Fahrer[spur];
        fR.LaFahrer[spur].ForeColor = m_werte.farbe(E::Fahrerfarbe[spur]);
    }

    r.SpurWechsel = m_werte.flag(E::SpurWechsel);
    SpurwechselAnzeigen(r.SpurWechsel);
    if (r.SpurWechsel)
        r.ZweiterLauf = false;

    m_hofLesen();
    r.AmpelSetzen(0);
    r.LetztesSignal[1] = 0;
    r.LetztesSignal[2] = 0;
    m_port.SchnittstelleOeffnen(NormalOeffnen);
    r.SignaleGesperrt = true;
}

void Programmstart::streckenangabenZeigen() {
    Rennen& r = m_rennen;
    r.fR.StatusBar1.Panels(QStringLiteral("kurslaenge")).Text =
        QStringLiteral("Kurslänge: ") + Zahlenformat::allgemein(r.Kurslaenge) +
        QStringLiteral(" m");
    r.fR.StatusBar1.Panels(QStringLiteral("rundenzahl")).Text =
        QStringLiteral("Rundenzahl: ") + QString::number(r.Rundenzahl);
    r.fR.LaRunde[1].Caption = QString::number(r.Rundenzahl);
    r.fR.LaRunde[2].Caption = QString::number(r.Rundenzahl);
}

void Programmstart::ModusSetzen(bool neuerModus) {
    Rennen& r = m_rennen;
    r.Rennmodus = neuerModus;
    m_werte.speichern(E::Rennmodus, neuerModus);
    r.fR.StatusBar1.Panels(QStringLiteral("modus")).Text =
        neuerModus ? QStringLiteral("Rennmodus") : QStringLiteral("Trainingsmodus");
    // Race mode shows each lane's current time, training its best lap, in the same place.
    for (int spur = 1; spur <= 2; ++spur) {
        r.fR.LaBestZeit[spur].Visible = !neuerModus;
        r.fR.LaZeit[spur].Visible = neuerModus;
    }
}

void Programmstart::SpurwechselAnzeigen(bool sichtbar) {
    m_rennen.fR.Im2Spur[1].Visible = sichtbar;
    m_rennen.fR.Im2Spur[2].Visible = sichtbar;
}

void Programmstart::LaEinstellungen_Click() {
    m_rennen.AmpelSetzen(7);
    m_dialoge.fensterZeigen(Fenster::Dialog);
}
