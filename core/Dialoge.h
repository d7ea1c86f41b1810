// Modal message boxes, input boxes and secondary windows. The real program blocks until
// the user answers; tests answer from a script.
#pragma once

#include "F2SpurRennenInhalt.h"
#include "Rotationsergebnis.h"

#include <QString>

// The title of message boxes that name no title of their own.
inline const QString Anwendungstitel = QStringLiteral("Rundomat");

// The secondary windows that open modally over the main window; Info is the about box,
// fVerlauf the race history, fAnsagen the spoken announcements' settings, Rennformat the
// race by laps or by time.
enum class Fenster {
    Dialog,
    fhof,
    fHinweis,
    fRaceControl,
    Info,
    Sensortest,
    fVerlauf,
    fAnsagen,
    Rennformat,
    Rennabend
};

class Dialoge {
public:
    virtual ~Dialoge() = default;

    // A message with an OK button; returns when it has been closed.
    virtual void meldung(const QString& text, const QString& titel) = 0;
    // A message with an OK button that only informs. It opens once the running handler
    // has returned and holds nothing up: laps keep being timed while it is open.
    virtual void hinweis(const QString& text, const QString& titel) = 0;
    // A question with OK and Cancel; true for OK.
    virtual bool frage(const QString& text, const QString& titel) = 0;
    // An input box; a cancelled box gives the empty text.
    virtual QString eingabe(const QString& aufforderung, const QString& titel,
                            const QString& vorgabe) = 0;
    // Shows a secondary window modally; returns when it has been closed.
    virtual void fensterZeigen(Fenster fenster) = 0;
    // The result window of a two-heat race; returns when it has been closed.
    virtual void f2SpurRennenZeigen(const F2SpurRennenInhalt& inhalt) = 0;
    // The result window of a lane rotation on more lanes; returns when it has been closed.
    virtual void rotationsergebnisZeigen(const RotationsergebnisInhalt& inhalt) = 0;
};
