#include "DialogLogik.h"

#include "Zahlenformat.h"

#include <QLocale>

namespace E = Einstellungen;
using Zahlenformat::allgemein;

namespace {
const QString Eingabefehler = QStringLiteral("Eingabefehler");
// The bounds of the entry fields beyond what the settings can hold: a track of a millimetre
// and a debounce time of an hour are already far beyond any real one.
constexpr double KleinsteKurslaenge = 0.001;
constexpr double KleinstePrellzeit = 2;
constexpr double GroesstePrellzeit = 3600;

// The number fields take a typed "." as the decimal comma.
QString mitKomma(QString text) {
    return text.replace(QLatin1Char('.'), QLatin1Char(','));
}
} // namespace

DialogLogik::DialogLogik(Rennen& rennen, Einstellungsspeicher& speicher, Programmstart& start,
                         Portsteuerung& port, Dialoge& dialoge, Rekorde& rekorde,
                         std::function<std::optional<QString>()> raceControlVersion)
    : m_rennen(rennen), m_werte(speicher), m_start(start), m_port(port), m_dialoge(dialoge),
      m_rekorde(rekorde), m_raceControlVersion(std::move(raceControlVersion)) {}

void DialogLogik::Form_Load() {
    const Rennen& r = m_rennen;
    Dialog.CoRunden = QString::number(r.Rundenzahl);
    Dialog.TeLaenge = allgemein(r.Kurslaenge);
    Dialog.coPrellZeit = allgemein(r.Prellzeit);
    ankreuzen(&DialogAnsicht::CheckBeep, r.RundenBeep);
    ankreuzen(&DialogAnsicht::checkSound, r.MitSound);
    ankreuzen(&DialogAnsicht::CheckSchnellsterBeep, r.SchnellsterRundenBeep);
    ankreuzen(&DialogAnsicht::checkPL, r.PermanentesLogging);
    ankreuzen(&DialogAnsicht::checkMaxGeschw, r.MaxGeschwManuell);
    ankreuzen(&DialogAnsicht::CheckAmpel, !r.Ampelbilder);
    ankreuzen(&DialogAnsicht::CheckTrainingsmodus, !r.Rennmodus);
    // With lane change on, this also unticks training mode and starts again at heat one.
    ankreuzen(&DialogAnsicht::CheckSpurWechsel, r.SpurWechsel);
    ankreuzen(&DialogAnsicht::checkOhneCountdown, r.OhneCountdown);
    ankreuzen(&DialogAnsicht::checkRaceControl, r.RaceControl);
    Dialog.buRaceControlEnabled = r.RaceControl;
}

void DialogLogik::ankreuzen(Kontrollkaestchen kaestchen, bool wert) {
    if (Dialog.*kaestchen == wert)
        return;
    Dialog.*kaestchen = wert;

    if (kaestchen == &DialogAnsicht::CheckSpurWechsel) {
        if (wert)
            ankreuzen(&DialogAnsicht::CheckTrainingsmodus, false);
        m_rennen.ZweiterLauf = false;
    } else if (kaestchen == &DialogAnsicht::CheckTrainingsmodus) {
        if (wert)
            ankreuzen(&DialogAnsicht::CheckSpurWechsel, false);
    } else if (kaestchen == &DialogAnsicht::checkRaceControl) {
        if (wert)
            Dialog.buRaceControlEnabled = true;
    }
}

// The fields accept only numbers their settings can hold: a lap count the tables can hold,
// a length with a finite speed, a debounce time that lets a second lap count. A number out
// of range is refused naming its field and range; what is no number at all, and a debounce
// time below 2 seconds, keep the messages racers know.
void DialogLogik::TeLaenge_Validate() {
    Dialog.TeLaenge = mitKomma(Dialog.TeLaenge);
    const std::optional<double> laenge = Zahlenformat::zahlLesen(Dialog.TeLaenge);
    if (!laenge) {
        m_dialoge.meldung(QStringLiteral("keine Zahl eingegeben setze 5,5 Meter"), Eingabefehler);
        Dialog.TeLaenge = QStringLiteral("5,5");
    } else if (*laenge < KleinsteKurslaenge || *laenge > GroessteKurslaenge) {
        bereichMelden(QStringLiteral("Kurslänge"), KleinsteKurslaenge, GroessteKurslaenge,
                      QStringLiteral(" Metern"));
        Dialog.TeLaenge = QStringLiteral("5,5");
    }
}

void DialogLogik::coPrellZeit_Validate() {
    Dialog.coPrellZeit = mitKomma(Dialog.coPrellZeit);
    const std::optional<double> prellzeit = Zahlenformat::zahlLesen(Dialog.coPrellZeit);
    if (!prellzeit) {
        m_dialoge.meldung(QStringLiteral("keine Zahl eingegeben setze Prellzeit zu 2 Sekunden"),
                          Eingabefehler);
        Dialog.coPrellZeit = QStringLiteral("2");
    } else if (*prellzeit < KleinstePrellzeit) {
        m_dialoge.meldung(QStringLiteral("Die Prellzeit darf nicht kleiner als 2 Sekunden sein. "
                                         "Setze Prellzeit auf 2 Sekunden"),
                          QStringLiteral("Fehler"));
        Dialog.coPrellZeit = QStringLiteral("2");
    } else if (*prellzeit > GroesstePrellzeit) {
        bereichMelden(QStringLiteral("Prellzeit"), KleinstePrellzeit, GroesstePrellzeit,
                      QStringLiteral(" Sekunden"));
        Dialog.coPrellZeit = QStringLiteral("2");
    }
}

void DialogLogik::CoRunden_Validate() {
    if (!Zahlenformat::zahlLesen(Dialog.CoRunden)) {
        m_dialoge.meldung(QStringLiteral("keine Zahl eingegeben setzt 10 Runden"), Eingabefehler);
        Dialog.CoRunden = QStringLiteral("10");
        return;
    }
    const std::optional<std::int32_t> runden = Zahlenformat::ganzzahlLesen(Dialog.CoRunden);
    if (!runden || *runden < 1 || *runden > Rundentabelle::GroessteRundenzahl) {
        bereichMelden(QStringLiteral("Rundenzahl"), 1, Rundentabelle::GroessteRundenzahl);
        Dialog.CoRunden = QStringLiteral("10");
    }
}

void DialogLogik::bereichMelden(const QString& feld, double von, double bis,
                                const QString& einheit) {
    // With the thousands grouped, as a racer reads a range.
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    const auto zahl = [&deutsch](double wert) {
        return deutsch.toString(wert, 'f', QLocale::FloatingPointShortest);
    };
    m_dialoge.meldung(QStringLiteral("Die ") + feld + QStringLiteral(" muss zwischen ") +
                          zahl(von) + QStringLiteral(" und ") + zahl(bis) + einheit +
                          QStringLiteral(" liegen."),
                      Eingabefehler);
}

void DialogLogik::checkRaceControl_LostFocus() {
    if (Dialog.checkRaceControl) {
        m_dialoge.meldung(
            QStringLiteral("Wenn Sie diese Auswahl treffen müssen Sie die spezielle Hardware "
                           "Racecontrol an Ihrem PC angeschlossen haben. Racecontrol ist ein "
                           "Fremdprodukt welches Sie im Handel oder unter "
                           "www.racecontrol.example erwerben können."),
            Anwendungstitel);
        Dialog.buRaceControlEnabled = true;
    } else {
        Dialog.buRaceControlEnabled = false;
    }
}

void DialogLogik::OKButton_Click() {
    // Enter presses OK without leaving the field being edited; check all three first, so
    // no unchecked text is ever stored.
    CoRunden_Validate();
    TeLaenge_Validate();
    coPrellZeit_Validate();

    Rennen& r = m_rennen;
    r.Rundenzahl = *Zahlenformat::ganzzahlLesen(Dialog.CoRunden);
    r.Kurslaenge = *Zahlenformat::zahlLesen(Dialog.TeLaenge);
    r.Prellzeit = *Zahlenformat::zahlLesen(Dialog.coPrellZeit);
    m_werte.speichern(E::Laenge, allgemein(r.Kurslaenge));
    m_werte.speichern(E::Runden, r.Rundenzahl);
    m_werte.speichern(E::Prellzeit, allgemein(r.Prellzeit));
    m_start.streckenangabenZeigen();
    r.TabelleDimensionieren();

    const auto uebernehmen = [this](bool& wert, bool angekreuzt, const Einstellung& e) {
        wert = angekreuzt;
        m_werte.speichern(e, angekreuzt);
    };
    uebernehmen(r.RundenBeep, Dialog.CheckBeep, E::RundenBeep);
    uebernehmen(r.MitSound, Dialog.checkSound, E::MitSound);
    uebernehmen(r.SchnellsterRundenBeep, Dialog.CheckSchnellsterBeep, E::SchnellsterRundenBeep);
    uebernehmen(r.PermanentesLogging, Dialog.checkPL, E::PermanentesLogging);
    uebernehmen(r.MaxGeschwManuell, Dialog.checkMaxGeschw, E::MaxGeschwManuell);
    uebernehmen(r.Ampelbilder, !Dialog.CheckAmpel, E::Ampelbilder);

    m_start.ModusSetzen(!Dialog.CheckTrainingsmodus);

    uebernehmen(r.SpurWechsel, Dialog.CheckSpurWechsel, E::SpurWechsel);
    if (r.SpurWechsel)
        r.LaufAnzeigeSetzen();
    m_start.SpurwechselAnzeigen(r.SpurWechsel);

    uebernehmen(r.OhneCountdown, Dialog.checkOhneCountdown, E::OhneCountdown);
    racecontrolUebernehmen();

    r.AmpelSetzen(7);
    m_geschlossen = true;
}

// The box is used only after its library has answered; switching either way moves the
// timing to the other port.
void DialogLogik::racecontrolUebernehmen() {
    Rennen& r = m_rennen;
    if (Dialog.checkRaceControl) {
        if (!m_raceControlVersion())
            return;
        if (!r.RaceControl) {
            r.RaceControl = true;
            m_port.SchnittstelleOeffnen(NormalOeffnen);
        }
    } else if (r.RaceControl) {
        r.RaceControl = false;
        m_port.SchnittstelleOeffnen(NormalOeffnen);
    }
    m_werte.speichern(E::RaceControl, r.RaceControl);
}

void DialogLogik::CancelButton_Click() {
    m_geschlossen = true;
}

void DialogLogik::BuCom_Click() {
    comAendern(m_port, m_dialoge);
}

void DialogLogik::BuSensortest_Click() {
    m_dialoge.fensterZeigen(Fenster::Sensortest);
}

void DialogLogik::BuAnsagen_Click() {
    m_dialoge.fensterZeigen(Fenster::fAnsagen);
}

void DialogLogik::buErgInDat_Click() {
    m_rekorde.ErgebnisSpeichern();
}

void DialogLogik::BuHilfe_Click() {
    m_dialoge.fensterZeigen(Fenster::fHinweis);
}

void DialogLogik::BuInfo_Click() {
    m_dialoge.fensterZeigen(Fenster::Info);
}

void DialogLogik::buRaceControl_Click() {
    m_dialoge.fensterZeigen(Fenster::fRaceControl);
}

void DialogLogik::buManResetgeschw_Click() {
    m_rennen.MaxGeschwZuruecksetzen();
}
