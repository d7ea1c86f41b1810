// The main window: renders the view state the presenter computes from the race over the
// background picture, and forwards clicks and keys to the logic. It decides nothing. It
// draws itself anew whenever the race has changed, and before any dialog opens over it.
// A track of two lanes has the designed window; one of more lanes a table of its lanes with
// one lane's lap table beneath, in the same size, with the same light and label-buttons.
#pragma once

#include "Fahrernamen.h"
#include "HauptfensterAnsicht.h"
#include "Programmstart.h"
#include "QtDialoge.h"
#include "Rennbeobachter.h"
#include "Rennen.h"
#include "Tastatur.h"
#include "Tastenanschlaege.h"
#include "Twips.h"

#include <QWidget>
#include <optional>

class Labelknopf;
class QLabel;
class Spurentafel;
struct Mittelplaetze;
class QTableView;
class Rundentabellenmodell;
class Statusleistenanzeige;

class Hauptfenster : public QWidget, private Rennbeobachter {
    Q_OBJECT
public:
    // The dialogs open over this window; while one is open, the window shows what led to it.
    Hauptfenster(Rennen& rennen, Programmstart& start, Tastatur& tastatur, Fahrernamen& fahrer,
                 QtDialoge& dialoge);
    ~Hauptfenster() override;

    // Shows the race as it is now.
    void darstellen();
    // The race night's next Lauf, for the title between the races; empty without a night.
    void abendzeileSetzen(const QString& zeile);

    // The window's size at 100 %.
    static QSize entwurfsgroesse();
    // Draws the whole window anew at the zoom: places, fonts, pictures, tables, status bar.
    void massstabSetzen(const Massstab& massstab);

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void keyReleaseEvent(QKeyEvent* ereignis) override;
    void focusOutEvent(QFocusEvent* ereignis) override;

private:
    // Builds the controls at the window's zoom, for the race's lanes.
    void anordnen();
    // The controls of the window as it stood go, at once from sight and later from memory,
    // since the click that changed the window may still be on its way through one of them.
    void steuerelementeEntfernen();
    bool mehrspurig() const { return m_aufgebauteSpuren > 2; }
    void aufbauen();
    void mehrspurigAufbauen();
    // The light, the countdown, the crash notice and the label-buttons, at their places.
    void mitteAufbauen(const Mittelplaetze& plaetze);
    void statusleisteAufbauen();
    Labelknopf* label(int links, int oben, int breite, int hoehe, double punkt, bool fett,
                      bool alsKnopf = false);
    QTableView* tabelle(int platz, int spur, QRect twips);
    // The table in that place shows the lane's laps from now on.
    void tabellenspurSetzen(int platz, int spur);
    void tabelleNachfuehren(int platz, const Rundentabelle& tabelle);
    // The pop-up menu "Farbe" at the mouse; the index of the chosen item.
    std::optional<int> farbmenueZeigen();
    void fahrerGedrueckt(int spur, Qt::MouseButton knopf);
    // Rows and columns after the style of the zoom has given the table its frame and bar.
    void tabelleBemessen(int platz);
    void zweispurigDarstellen(const HauptfensterAnsicht& ansicht);
    void mehrspurigDarstellen();
    void geaendert(const Rennen&) override { darstellen(); }

    Rennen& m_rennen;
    Programmstart& m_start;
    Tastatur& m_tastatur;
    Fahrernamen& m_fahrer;
    QtDialoge& m_dialoge;
    Massstab m_massstab;
    Tastenanschlaege m_anschlaege;

    Spuren<Labelknopf*> m_fahrerschilder, m_zeitanzeigen, m_bestzeitanzeigen, m_restrundenanzeigen;
    Labelknopf *m_hofKnopf = nullptr, *m_optionenKnopf = nullptr, *m_startKnopf = nullptr;
    Labelknopf *m_countdownAnzeige = nullptr, *m_crashAnzeige = nullptr;
    Reihe<QLabel*, 5> m_lampen;
    Reihe<std::optional<Lampenbild>, 5> m_gezeigteLampen;
    Spuren<QLabel*> m_pfeile;
    Spuren<std::optional<Pfeil>> m_gezeigtePfeile;
    // The two lanes' lap tables; with more lanes the one of the lane chosen, in place 1.
    Spuren<QTableView*> m_tabellen;
    Spuren<Rundentabellenmodell*> m_modelle;
    Spuren<int> m_tabellenspuren{1, 2};
    Statusleistenanzeige* m_statusleiste = nullptr;

    int m_aufgebauteSpuren = 2;
    Spurentafel* m_spurentafel = nullptr;
    Labelknopf* m_tabellentitel = nullptr;
    int m_gewaehlteSpur = 1; // whose lap table a track of more lanes shows
    QString m_abendzeile;
};
