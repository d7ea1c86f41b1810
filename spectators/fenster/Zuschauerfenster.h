// The big-screen window "Zuschauer": renders the spectators' view state in type that
// grows with the window, from 640 × 360 to a 4K television, names and the result fitted
// into their place in the drivers' colours, and forwards what the user does. It never takes the
// keyboard: it asks the window system for no focus, and a key that reaches it anyway goes on to the
// main window, so Enter, Space and Shift+1/2 keep working; F11 and a double-click ask for full
// screen. Three lanes or more stand on a board of a line per lane. Between the races of a race
// night its standings and who drives next stand where the lanes are during a race.
#pragma once

#include "Spurfelder.h"
#include "Zuschaueransicht.h"

#include <QWidget>
#include <optional>

class Abendtabelle;
class QFrame;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class Passfeld;
class Spurtafel;

class Zuschauerfenster : public QWidget {
    Q_OBJECT
public:
    // Keys go to `tastenziel`, the main window.
    explicit Zuschauerfenster(QWidget* tastenziel);

    void darstellen(const Zuschaueransicht& ansicht);
    // The live page's address under the standings; empty: none.
    void adresseZeigen(const QString& adresse);

signals:
    void vollbildGewuenscht();
    void geschlossen();

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void mouseDoubleClickEvent(QMouseEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    QFrame* spurAufbauen(int spur);
    // Two lanes on cards either side of the light, more on a board beside it.
    void spurenAnordnen(int spurenzahl);
    QWidget* mitteAufbauen();
    // Type, margins and corners for the window's size.
    void masseSetzen();
    void lampenZeichnen();
    // The largest type of the night's table, which fits its rows into its height.
    void abendschriftSetzen();
    void tafelschriftSetzen();

    QWidget* m_tastenziel;
    QGridLayout* m_gitter = nullptr;
    Spuren<Spurfelder> m_spuren;
    Spurtafel* m_tafel = nullptr; // three lanes or more
    QLabel* m_titel = nullptr;
    QHBoxLayout* m_ampel = nullptr;
    Reihe<QLabel*, 5> m_lampen;
    QLabel* m_countdown = nullptr;
    QLabel* m_rennuhr = nullptr;
    QLabel* m_crash = nullptr;
    Passfeld* m_ergebnis = nullptr;
    QLabel* m_adresse = nullptr;
    QWidget* m_mitte = nullptr;
    Passfeld* m_abendstand = nullptr;
    Passfeld* m_naechste = nullptr;
    Abendtabelle* m_abendtabelle = nullptr;
    std::optional<Zuschaueransicht> m_gezeigt;
};
