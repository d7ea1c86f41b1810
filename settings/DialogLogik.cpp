#include "DialogLogik.h"

#include "Rundentabelle.h"
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

DialogLogik::DialogLogik(Rennen& rennen, Einstellungsspeicher& speicher, Portsteuerung& port,
                         Dialoge& dialoge,
                         std::function<std::optional<QString>()> raceControlVersion)
    : m_rennen(rennen), m_werte(speicher), m_port(port), m_dialoge(dialoge),
      m_raceControlVersion(std::move(raceControlVersion)) {}

void DialogLogik::Form_Load() {
    const Renneinstellungen& e = m_rennen.einstellungen();
    Dialog.CoRunden = QString::number(e.rundenzahl);
    Dialog.TeLaenge = allgemein(e.kurslaenge);
    Dialog.coPrellZeit = allgemein(e.prellzeit);
    ankreuzen(&DialogAnsicht::CheckBeep, e.rundenBeep);
    ankreuzen(&DialogAnsicht::checkSound, e.mitSound);
    ankreuzen(&DialogAnsicht::CheckSchnellsterBeep, e.schnellsterRundenBeep);
    ankreuzen(&DialogAnsicht::checkPL, e.permanentesLogging);
    ankreuzen(&DialogAnsicht::checkMaxGeschw, e.maxGeschwManuell);
    ankreuzen(&DialogAnsicht::CheckAmpel, !e.ampelbilder);
    ankreuzen(&DialogAnsicht::CheckTrainingsmodus, !e.rennmodus);
    // With lane change on, this also unticks training mode and starts again at heat one.
    ankreuzen(&DialogAnsicht::CheckSpurWechsel, e.spurwechsel);
    ankreuzen(&DialogAnsicht::checkOhneCountdown, e.ohneCountdown);
    ankreuzen(&DialogAnsicht::checkRaceControl, e.raceControl);
    Dialog.buRaceControlEnabled = e.raceControl;
}

void DialogLogik::ankreuzen(Kontrollkaestchen kaestchen, bool wert) {
    if (Dialog.*kaestchen == wert)
        return;
    Dialog.*kaestchen = wert;

    if (kaestchen == &DialogAnsicht::CheckSpurWechsel) {
        if (wert)
            ankreuzen(&DialogAnsicht::CheckTrainingsmodus, false);
        m_rennen.spurwechselVonVorn();
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

    Renneinstellungen e = m_rennen.einstellungen();
    e.rundenzahl = *Zahlenformat::ganzzahlLesen(Dialog.CoRunden);
    e.kurslaenge = *Zahlenformat::zahlLesen(Dialog.TeLaenge);
    e.prellzeit = *Zahlenformat::zahlLesen(Dialog.coPrellZeit);
    m_werte.speichern(E::Laenge, allgemein(e.kurslaenge));
    m_werte.speichern(E::Runden, e.rundenzahl);
    m_werte.speichern(E::Prellzeit, allgemein(e.prellzeit));

    const auto uebernehmen = [this](bool& wert, bool angekreuzt, const Einstellung& einstellung) {
        wert = angekreuzt;
        m_werte.speichern(einstellung, angekreuzt);
    };
    uebernehmen(e.rundenBeep, Dialog.CheckBeep, E::RundenBeep);
    uebernehmen(e.mitSound, Dialog.checkSound, E::MitSound);
    uebernehmen(e.schnellsterRundenBeep, Dialog.CheckSchnellsterBeep, E::SchnellsterRundenBeep);
    uebernehmen(e.permanentesLogging, Dialog.checkPL, E::PermanentesLogging);
    uebernehmen(e.maxGeschwManuell, Dialog.checkMaxGeschw, E::MaxGeschwManuell);
    uebernehmen(e.ampelbilder, !Dialog.CheckAmpel, E::Ampelbilder);
    uebernehmen(e.rennmodus, !Dialog.CheckTrainingsmodus, E::Rennmodus);
    uebernehmen(e.spurwechsel, Dialog.CheckSpurWechsel, E::SpurWechsel);
    uebernehmen(e.ohneCountdown, Dialog.checkOhneCountdown, E::OhneCountdown);
    m_rennen.einstellungenAnwenden(e);
    racecontrolUebernehmen(e);

    m_rennen.ampelSetzen(Ampel::Gelb);
    m_geschlossen = true;
}

// The box is used only after its library has answered; switching either way moves the
// timing to the other port.
void DialogLogik::racecontrolUebernehmen(Renneinstellungen e) {
    if (Dialog.checkRaceControl) {
        if (!m_raceControlVersion())
            return;
        if (!e.raceControl) {
            e.raceControl = true;
            m_rennen.einstellungenAnwenden(e);
            m_port.SchnittstelleOeffnen(NormalOeffnen);
        }
    } else if (e.raceControl) {
        e.raceControl = false;
        m_rennen.einstellungenAnwenden(e);
        m_port.SchnittstelleOeffnen(NormalOeffnen);
    }
    m_werte.speichern(E::RaceControl, e.raceControl);
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
    m_rennen.ergebnisSpeichern();
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
    m_rennen.hoechstgeschwindigkeitZuruecksetzen();
}
