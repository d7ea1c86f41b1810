#include "Programmstart.h"

#include "Boxspuren.h"

namespace E = Einstellungen;

Programmstart::Programmstart(Rennen& rennen, Einstellungsspeicher& speicher, Portsteuerung& port,
                             Dialoge& dialoge, std::function<void()> hofLesen,
                             std::optional<int> spuranzahl)
    : m_rennen(rennen), m_werte(speicher), m_port(port), m_dialoge(dialoge),
      m_hofLesen(std::move(hofLesen)), m_spuranzahl(spuranzahl) {}

void Programmstart::programmStarten() {
    Rennen& r = m_rennen;
    Renneinstellungen e;
    e.kurslaenge = m_werte.kurslaenge(E::Laenge);
    e.rundenzahl = m_werte.rundenzahl(E::Runden);
    e.prellzeit = m_werte.dezimal(E::Prellzeit);

    const QString titel = m_werte.text(E::Caption);
    r.titelSetzen(titel);
    m_werte.speichern(E::Caption, titel);

    e.spuranzahl = m_spuranzahl.value_or(
        m_werte.ganzzahl(E::Spuranzahl, KleinsteSpurenzahl, GroessteSpurenzahl));
    e.freieSpuren = m_werte.spurenliste(E::FreieSpuren);
    e.nachSiegerBeenden = m_werte.nachSpurenzahl(E::NachSiegerBeenden, e.spuranzahl);
    e.raceControl = m_werte.flag(E::RaceControl);
    if (e.raceControl && e.spuranzahl > KleinsteSpurenzahl) {
        // The setting stays: on two lanes again the box times as before.
        e.raceControl = false;
        m_dialoge.meldung(boxOhneVieleSpuren(e.spuranzahl), Anwendungstitel);
    }
    e.box = {m_werte.ganzzahl(E::RCEmpfindlichkeit), m_werte.ganzzahl(E::RCVerzoegerung),
             m_werte.ganzzahl(E::RCNachlauf), m_werte.flag(E::RCSZsensorTausch)};
    e.rundenBeep = m_werte.flag(E::RundenBeep);
    e.mitSound = m_werte.flag(E::MitSound);
    e.schnellsterRundenBeep = m_werte.flag(E::SchnellsterRundenBeep);
    e.permanentesLogging = m_werte.flag(E::PermanentesLogging);
    e.maxGeschwManuell = m_werte.flag(E::MaxGeschwManuell);
    e.ampelbilder = m_werte.flag(E::Ampelbilder);
    e.rennmodus = m_werte.flag(E::Rennmodus);
    e.ohneCountdown = m_werte.flag(E::OhneCountdown);
    e.spurwechsel = m_werte.flag(E::SpurWechsel);
    e.rennart = m_werte.rennart(E::Rennart);
    e.renndauer = m_werte.ganzzahl(E::Renndauer, KuerzesteRenndauer, LaengsteRenndauer);
    e.zielregel = m_werte.zielregel(E::Zielregel);
    e.fehlstartregel = m_werte.fehlstartregel(E::Fehlstartregel);
    e.fehlstartstrafe = m_werte.ganzzahl(E::Fehlstartstrafe, 1, 600);
    e.stopAndGoZeit = m_werte.ganzzahl(E::StopAndGoZeit, 1, 600);
    e.strafzeit = m_werte.ganzzahl(E::Strafzeit, 1, 600);
    e.streckenrufautomatik = m_werte.flag(E::Streckenrufautomatik);
    e.streckenruffaktor = m_werte.ganzzahl(E::Streckenruffaktor, KleinsterStreckenruffaktor,
                                           GroessterStreckenruffaktor);
    // A lap count the tables cannot hold is refused here, and stored as 10.
    r.einstellungenAnwenden(e);
    m_werte.speichern(E::Rennmodus, e.rennmodus);

    for (int spur = 1; spur <= r.spurenzahl(); ++spur) {
        r.fahrerBenennen(spur, m_werte.text(E::Fahrer[spur]));
        r.fahrerfarbeSetzen(spur, m_werte.farbe(E::Fahrerfarbe[spur]));
    }
    if (e.spurwechsel)
        r.spurwechselVonVorn();

    m_hofLesen();
    r.ampelSetzen(Ampel::Dunkel);
    m_port.SchnittstelleOeffnen(NormalOeffnen);
}

void Programmstart::optionenOeffnen() {
    m_rennen.ampelSetzen(Ampel::Gelb);
    m_dialoge.fensterZeigen(Fenster::Dialog);
}
