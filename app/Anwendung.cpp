#include "Anwendung.h"

#include "DialogFenster.h"
#include "F2SpurRennen.h"
#include "FAnsagen.h"
#include "FHinweis.h"
#include "FRaceControl.h"
#include "FVerlauf.h"
#include "Fhof.h"
#include "Portfeld.h"
#include "QtEinstellungsspeicher.h"
#include "RacecontrolModul.h"
#include "RennabendFenster.h"
#include "RennformatFenster.h"
#include "Rotationsergebnisfenster.h"
#include "Saisontabelle.h"
#include "SensortestFenster.h"
#include "Verlaufsabfragen.h"
#include "Zoomen.h"
#include "Zuschauerabend.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <set>

namespace {
// Opens a log named on the command line, if one is; one that cannot be written is told, and
// the program runs without it.
template <class Protokoll>
bool protokollOeffnen(Protokoll& protokoll, const QString& pfad, const QString& name,
                      Dialoge& dialoge) {
    if (pfad.isEmpty())
        return false;
    if (protokoll.oeffnen(pfad))
        return true;
    dialoge.meldung(QStringLiteral("Das ") + name +
                        QStringLiteral(" kann nicht geschrieben werden: ") + pfad +
                        QStringLiteral(" (") + protokoll.fehlertext() +
                        QStringLiteral("). Rundomat läuft ohne ") + name + QLatin1Char('.'),
                    Anwendungstitel);
    return false;
}
} // namespace

Anwendung::Anwendung(const Programmoptionen& optionen, const Programmdateien& dateien)
    : m_optionen(optionen), m_dateien(dateien) {
    m_rennen.beobachterAnmelden(m_startleitung);
    m_rennen.beobachterAnmelden(m_zweiteStartleitung);
    m_zuschauer.hauptfensterSetzen(m_fenster);
    m_rennabend.beiAenderung([this] {
        m_zuschauer.abendZeigen(zuschauerabend(m_rennabend));
        m_fenster.abendzeileSetzen(alsNaechstes(m_rennabend));
    });
    m_zoom.fensterSetzen(m_fenster);
    // The windows the main window opens are as large as it is.
    m_dialoge.zoomVon([this] { return m_zoom.massstab(); });
    m_countdown.beiJedemTick([this] { m_rennen.countdownTick(); });
    m_boxwacht.beiJedemTick([this] { m_rennen.boxwachtTick(); });
    m_rennzeit.beimWecken([this] { m_rennen.rennzeitTick(); });
    m_streckenrufwecker.beimWecken([this] { m_streckenrufwacht.wecken(m_rennen); });
    m_rennen.beobachterAnmelden(m_streckenrufwacht);
    signalquellenVerbinden();
    verlaufVerbinden();
    ansagenVerbinden();
    fensterAnmelden();
}

Anwendung::~Anwendung() {
    m_mitschrift.abschliessen(m_rennen);
}

void Anwendung::signalquellenVerbinden() {
    const auto leitungsereignis = [this](const Leitungsereignis& ereignis) {
        if (m_sensortest)
            m_sensortest->leitungGeaendert(1, ereignis);
        else
            m_leitungen.leitungGeaendert(ereignis);
    };
    const auto zweiteLeitungen = [this](const Leitungsereignis& ereignis) {
        if (m_sensortest)
            m_sensortest->leitungGeaendert(2, ereignis);
        else
            m_zweiteLeitungen.leitungGeaendert(ereignis);
    };
    m_sensorleitungen.beiLeitungsereignis(leitungsereignis);
    m_zweiteSensorleitungen.beiLeitungsereignis(zweiteLeitungen);
    m_platine.senden([this](const QByteArray& bytes) { m_platinenport.senden(bytes); });
    m_rennen.beobachterAnmelden(m_platine);
    if (m_optionen.simulation)
        m_simulation.beiLeitungsereignis([=](int port, const Leitungsereignis& ereignis) {
            port == 1 ? leitungsereignis(ereignis) : zweiteLeitungen(ereignis);
        });
    m_boxport.beiEmpfang([this](const QByteArray& bytes) { m_boxempfang.empfangen(bytes); });

    if (!protokollOeffnen(m_signalprotokoll, m_optionen.signalprotokoll,
                          QStringLiteral("Signalprotokoll"), m_dialoge))
        return;
    const auto eintragen = [this](const Signaleintrag& e) { m_signalprotokoll.eintragen(e); };
    m_leitungen.protokollieren(eintragen);
    m_zweiteLeitungen.protokollieren(eintragen);
    m_boxempfang.protokollieren(eintragen);
    m_platine.protokollieren(eintragen);
    m_rennen.beobachterAnmelden(m_rennvermerk);
}

void Anwendung::verlaufVerbinden() {
    m_rennen.beobachterAnmelden(m_mitschrift);
    m_verlauf.vorDemAblegen([this] { return m_daten.bereitstellen(m_dialoge); });
    m_verlauf.beiBefund([this](const Verlaufsbefund& b) {
        m_verlaufsmeldungen.befund(b);
        // A night goes on only where its races can be stored.
        if (!b.neuereVersion)
            m_rennabendverlauf.anbieten();
    });
    m_verlauf.beiSchreibfehler(
        [this](const Schreibfehler& f) { m_verlaufsmeldungen.schreibfehler(f); });
}

void Anwendung::ansagenVerbinden() {
    Einstellungswerte werte(m_speicher);
    m_ansageeinstellungen = Ansageeinstellungen::lesen(werte);
    m_rennen.beobachterAnmelden(m_ansagen);
    m_hof.beiNeuemRang([this](int rang, const QString& name) { m_ansagen.hallOfFame(rang, name); });
    m_platine.beiOhneSpurstrom([this](const QString& text) { m_ansagen.hinweisSagen(text); });

    if (!protokollOeffnen(m_ansageprotokoll, m_optionen.ansageprotokoll,
                          QStringLiteral("Ansageprotokoll"), m_dialoge))
        return;
    m_ansagen.protokollieren([this](const QString& text, bool verworfen) {
        m_ansageprotokoll.eintragen(text, verworfen);
    });
}

Signalquelle Anwendung::signalquelle() const {
    if (m_optionen.simulation)
        return Signalquelle::Simulation;
    if (m_rennen.einstellungen().raceControl)
        return m_boxport.istOffen() ? Signalquelle::Box : Signalquelle::Tastatur;
    if (!m_sensoranschluss.istOffen())
        return Signalquelle::Tastatur;
    return m_platine.erkannt() ? Signalquelle::Platine : Signalquelle::Sensoren;
}

void Anwendung::fensterAnmelden() {
    m_dialoge.fensterAnmelden(Fenster::Dialog, [this](QWidget* eltern) {
        DialogLogik logik(m_rennen, m_speicher, m_port, m_dialoge,
                          [this] { return RaceControlVersion(m_box, m_dialoge); });
        logik.oeffnen();
        DialogFenster fenster(logik, eltern, m_zoom.massstab());
        fenster.exec();
    });
    m_dialoge.fensterAnmelden(Fenster::fhof, [this](QWidget* eltern) {
        Fhof fenster(m_hof, eltern, m_zoom.massstab());
        fenster.exec();
    });
    m_dialoge.fensterAnmelden(Fenster::fRaceControl, [this](QWidget* eltern) {
        RaceControlEinstellungen logik(m_rennen, m_speicher, m_box, m_dialoge);
        FRaceControl fenster(logik, eltern);
        zoomen(&fenster, m_zoom.massstab());
        fenster.exec();
    });
    m_dialoge.fensterAnmelden(Fenster::Info,
                              [this](QWidget*) { InfoAnzeigen(m_dialoge, programmangaben()); });
    m_dialoge.fensterAnmelden(Fenster::fHinweis, [this](QWidget* eltern) {
        fHinweisZeigen(m_dateien.pfad(QStringLiteral("readme.txt")), eltern, m_zoom.massstab());
    });
    m_dialoge.fensterAnmelden(Fenster::fVerlauf, [this](QWidget* eltern) {
        // A race that has just ended is in the list, stored or waiting.
        Einstellungswerte werte(m_speicher);
        VerlaufLogik logik(
            m_verlaufsleser, m_dialoge, m_optionen.datenverzeichnis,
            [this] { return m_verlauf.wartende(); },
            [this](const Rennen& rennen) { m_ergebnis.ErgebnisSpeichern(rennen); },
            [platzpunkte = saisonpunkteLesen(werte)](Verlaufsdatenbank& db, QString& fehler) {
                return saisonwertungenLesen(db, platzpunkte, fehler);
            });
        FVerlauf fenster(logik, eltern, m_zoom.massstab());
        fenster.exec();
    });
    m_dialoge.fensterAnmelden(Fenster::Sensortest, [this](QWidget* eltern) {
        Sensortest logik(m_rennen, m_sensorleitungen, &m_zweiteSensorleitungen, m_systemuhr, m_port,
                         m_dialoge);
        SensortestFenster fenster(logik, eltern, m_zoom.massstab());
        m_sensortest = &logik;
        fenster.exec();
        m_sensortest = nullptr;
    });
    m_dialoge.fensterAnmelden(Fenster::Rennformat, [this](QWidget* eltern) {
        RennformatLogik logik(m_rennen, m_speicher, m_dialoge);
        RennformatFenster fenster(logik, eltern, m_zoom.massstab());
        fenster.exec();
        // A track grown past four lanes gets its second sensor port now, one shrunk loses it.
        if (!m_optionen.simulation)
            m_schnittstellen.zweitenPortAnpassen();
    });
    m_dialoge.fensterAnmelden(Fenster::fAnsagen, [this](QWidget* eltern) {
        AnsagenLogik logik(m_ansageeinstellungen, m_speicher, m_ansagen,
                           m_rennen.stand().spuren[1].fahrer);
        FAnsagen fenster(logik, eltern, m_zoom.massstab());
        fenster.exec();
    });
    m_dialoge.fensterAnmelden(Fenster::Rennabend, [this](QWidget* eltern) {
        Einstellungswerte werte(m_speicher);
        RennabendLogik logik(m_rennabend, m_dialoge);
        RennabendFenster fenster(logik, rennabendregelnLesen(werte, m_rennen.spurenzahl()), eltern,
                                 m_zoom.massstab());
        // The names of the history come when the reader has them; the window opens at once.
        auto namen = std::make_shared<QStringList>();
        auto offen = std::make_shared<RennabendFenster*>(&fenster);
        m_verlaufsleser.auftrag(
            [namen](Verlaufsdatenbank& db) {
                std::set<QString> gesehen;
                for (const Rennkopf& r : Verlaufsabfragen(db).rennliste())
                    for (int spur = 1; spur <= 2; ++spur)
                        if (gesehen.insert(r.fahrer[spur]).second)
                            *namen << r.fahrer[spur];
            },
            [offen, namen] {
                if (*offen)
                    (*offen)->bekannteNamen(*namen);
            });
        fenster.exec();
        *offen = nullptr;
    });
    m_dialoge.ergebnisfensterAnmelden([this](const F2SpurRennenInhalt& inhalt, QWidget* eltern) {
        f2SpurRennenZeigen(inhalt, eltern, m_zoom.massstab());
    });
    m_dialoge.rotationsfensterAnmelden(
        [this](const RotationsergebnisInhalt& inhalt, QWidget* eltern) {
            rotationsergebnisZeigen(inhalt, eltern, m_zoom.massstab());
        });
}

Programmangaben Anwendung::programmangaben() const {
    return {QCoreApplication::applicationVersion(),
            QString::fromLatin1(qVersion()),
            QDir::toNativeSeparators(einstellungsortOeffnen()->fileName()),
            m_daten.anzeigepfad(QStringLiteral("hof.ini")),
            QDir::toNativeSeparators(m_daten.verzeichnis()),
            m_zuschauer.adresse().value_or(QString())};
}

void Anwendung::starten() {
    m_start.programmStarten();
    // Beside the status bar, for whoever started the program from a terminal; a message box
    // would stop the program before its window shows.
    if (const std::optional<QString> warnung = simulationswarnung(m_rennen.stand()))
        QTextStream(stderr) << "rundomat: " << *warnung << Qt::endl;
    m_zuschauer.seiteStarten(m_optionen.seite, m_optionen.seitenadresse, m_optionen.seitenport);
    // After the start-up questions, so that what the history finds follows them.
    m_verlauf.starten();
    // A new night is planned for the track as it is.
    if (!m_optionen.rennabend.isEmpty()) {
        Einstellungswerte werte(m_speicher);
        m_rennabend.beginnen(m_optionen.rennabend,
                             rennabendregelnLesen(werte, m_rennen.spurenzahl()), {},
                             m_optionen.rennabendklassen);
    }
    m_zoom.einpassen();
    m_fenster.show();
    m_fenster.setFocus();
}
