#include "DialogLogik.h"

#include "Boxspuren.h"
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

void DialogLogik::oeffnen() {
    const Renneinstellungen& e = m_rennen.einstellungen();
    ansicht.rundenzahl = QString::number(e.rundenzahl);
    ansicht.kurslaenge = allgemein(e.kurslaenge);
    ansicht.prellzeit = allgemein(e.prellzeit);
    ankreuzen(&DialogAnsicht::beep, e.rundenBeep);
    ankreuzen(&DialogAnsicht::klang, e.mitSound);
    ankreuzen(&DialogAnsicht::schnellsterBeep, e.schnellsterRundenBeep);
    ankreuzen(&DialogAnsicht::permanentesLogging, e.permanentesLogging);
    ankreuzen(&DialogAnsicht::hoechstgeschwindigkeit, e.maxGeschwManuell);
    ankreuzen(&DialogAnsicht::kreisscheiben, !e.ampelbilder);
    ankreuzen(&DialogAnsicht::trainingsmodus, !e.rennmodus);
    // With lane change on, this also unticks training mode and starts again at heat one.
    ankreuzen(&DialogAnsicht::spurwechsel, e.spurwechsel);
    ankreuzen(&DialogAnsicht::ohneCountdown, e.ohneCountdown);
    ankreuzen(&DialogAnsicht::raceControl, e.raceControl);
    ansicht.raceControlKnopfAktiv = e.raceControl;
}

void DialogLogik::ankreuzen(Kontrollkaestchen kaestchen, bool wert) {
    if (ansicht.*kaestchen == wert)
        return;
    ansicht.*kaestchen = wert;

    if (kaestchen == &DialogAnsicht::spurwechsel) {
        if (wert)
            ankreuzen(&DialogAnsicht::trainingsmodus, false);
        m_rennen.spurwechselVonVorn();
    } else if (kaestchen == &DialogAnsicht::trainingsmodus) {
        if (wert)
            ankreuzen(&DialogAnsicht::spurwechsel, false);
    } else if (kaestchen == &DialogAnsicht::raceControl) {
        if (wert && m_rennen.spurenzahl() > KleinsteSpurenzahl) {
            ansicht.raceControl = false;
            m_dialoge.meldung(boxOhneVieleSpuren(m_rennen.spurenzahl()), Anwendungstitel);
            return;
        }
        if (wert)
            ansicht.raceControlKnopfAktiv = true;
    }
}

// The fields accept only numbers their settings can hold: a lap count the tables can hold,
// a length with a finite speed, a debounce time that lets a second lap count. A number out
// of range is refused naming its field and range; what is no number at all, and a debounce
// time below 2 seconds, keep the messages racers know.
void DialogLogik::kurslaengePruefen() {
    ansicht.kurslaenge = mitKomma(ansicht.kurslaenge);
    const std::optional<double> laenge = Zahlenformat::zahlLesen(ansicht.kurslaenge);
    if (!laenge) {
        m_dialoge.meldung(QStringLiteral("keine Zahl eingegeben setze 5,5 Meter"), Eingabefehler);
        ansicht.kurslaenge = QStringLiteral("5,5");
    } else if (*laenge < KleinsteKurslaenge || *laenge > GroessteKurslaenge) {
        bereichMelden(QStringLiteral("Kurslänge"), KleinsteKurslaenge, GroessteKurslaenge,
                      QStringLiteral(" Metern"));
        ansicht.kurslaenge = QStringLiteral("5,5");
    }
}

void DialogLogik::prellzeitPruefen() {
    ansicht.prellzeit = mitKomma(ansicht.prellzeit);
    const std::optional<double> prellzeit = Zahlenformat::zahlLesen(ansicht.prellzeit);
    if (!prellzeit) {
        m_dialoge.meldung(QStringLiteral("keine Zahl eingegeben setze Prellzeit zu 2 Sekunden"),
                          Eingabefehler);
        ansicht.prellzeit = QStringLiteral("2");
    } else if (*prellzeit < KleinstePrellzeit) {
        m_dialoge.meldung(QStringLiteral("Die Prellzeit darf nicht kleiner als 2 Sekunden sein. "
                                         "Setze Prellzeit auf 2 Sekunden"),
                          QStringLiteral("Fehler"));
        ansicht.prellzeit = QStringLiteral("2");
    } else if (*prellzeit > GroesstePrellzeit) {
        bereichMelden(QStringLiteral("Prellzeit"), KleinstePrellzeit, GroesstePrellzeit,
                      QStringLiteral(" Sekunden"));
        ansicht.prellzeit = QStringLiteral("2");
    }
}

void DialogLogik::rundenzahlPruefen() {
    if (!Zahlenformat::zahlLesen(ansicht.rundenzahl)) {
        m_dialoge.meldung(QStringLiteral("keine Zahl eingegeben setzt 10 Runden"), Eingabefehler);
        ansicht.rundenzahl = QStringLiteral("10");
        return;
    }
    const std::optional<std::int32_t> runden = Zahlenformat::ganzzahlLesen(ansicht.rundenzahl);
    if (!runden || *runden < 1 || *runden > Rundentabelle::GroessteRundenzahl) {
        bereichMelden(QStringLiteral("Rundenzahl"), 1, Rundentabelle::GroessteRundenzahl);
        ansicht.rundenzahl = QStringLiteral("10");
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

void DialogLogik::raceControlVerlassen() {
    if (ansicht.raceControl) {
        m_dialoge.meldung(
            QStringLiteral("Wenn Sie diese Auswahl treffen müssen Sie die spezielle Hardware "
                           "Racecontrol an Ihrem PC angeschlossen haben. Racecontrol ist ein "
                           "Fremdprodukt welches Sie im Handel oder unter "
                           "www.racecontrol.example erwerben können."),
            Anwendungstitel);
        ansicht.raceControlKnopfAktiv = true;
    } else {
        ansicht.raceControlKnopfAktiv = false;
    }
}

void DialogLogik::okGedrueckt() {
    // Enter presses OK without leaving the field being edited; check all three first, so
    // no unchecked text is ever stored.
    rundenzahlPruefen();
    kurslaengePruefen();
    prellzeitPruefen();

    Renneinstellungen e = m_rennen.einstellungen();
    e.rundenzahl = *Zahlenformat::ganzzahlLesen(ansicht.rundenzahl);
    e.kurslaenge = *Zahlenformat::zahlLesen(ansicht.kurslaenge);
    e.prellzeit = *Zahlenformat::zahlLesen(ansicht.prellzeit);
    m_werte.speichern(E::Laenge, allgemein(e.kurslaenge));
    m_werte.speichern(E::Runden, e.rundenzahl);
    m_werte.speichern(E::Prellzeit, allgemein(e.prellzeit));

    const auto uebernehmen = [this](bool& wert, bool angekreuzt, const Einstellung& einstellung) {
        wert = angekreuzt;
        m_werte.speichern(einstellung, angekreuzt);
    };
    uebernehmen(e.rundenBeep, ansicht.beep, E::RundenBeep);
    uebernehmen(e.mitSound, ansicht.klang, E::MitSound);
    uebernehmen(e.schnellsterRundenBeep, ansicht.schnellsterBeep, E::SchnellsterRundenBeep);
    uebernehmen(e.permanentesLogging, ansicht.permanentesLogging, E::PermanentesLogging);
    uebernehmen(e.maxGeschwManuell, ansicht.hoechstgeschwindigkeit, E::MaxGeschwManuell);
    uebernehmen(e.ampelbilder, !ansicht.kreisscheiben, E::Ampelbilder);
    uebernehmen(e.rennmodus, !ansicht.trainingsmodus, E::Rennmodus);
    uebernehmen(e.spurwechsel, ansicht.spurwechsel, E::SpurWechsel);
    uebernehmen(e.ohneCountdown, ansicht.ohneCountdown, E::OhneCountdown);
    m_rennen.einstellungenAnwenden(e);
    racecontrolUebernehmen(e);

    m_rennen.ampelSetzen(Ampel::Gelb);
    m_geschlossen = true;
}

// The box is used only after its library has answered; switching either way moves the
// timing to the other port.
void DialogLogik::racecontrolUebernehmen(Renneinstellungen e) {
    if (ansicht.raceControl) {
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

void DialogLogik::abbrechenGedrueckt() {
    m_geschlossen = true;
}

void DialogLogik::portWechseln() {
    comAendern(m_port, m_dialoge);
}

void DialogLogik::sensortestOeffnen() {
    m_dialoge.fensterZeigen(Fenster::Sensortest);
}

void DialogLogik::ansagenOeffnen() {
    m_dialoge.fensterZeigen(Fenster::fAnsagen);
}

void DialogLogik::ergebnisSpeichern() {
    m_rennen.ergebnisSpeichern();
}

void DialogLogik::hilfeZeigen() {
    m_dialoge.fensterZeigen(Fenster::fHinweis);
}

void DialogLogik::infoZeigen() {
    m_dialoge.fensterZeigen(Fenster::Info);
}

void DialogLogik::raceControlEinstellen() {
    m_dialoge.fensterZeigen(Fenster::fRaceControl);
}

void DialogLogik::hoechstgeschwindigkeitZuruecksetzen() {
    m_rennen.hoechstgeschwindigkeitZuruecksetzen();
}
