// Keeps the race night in the race history: its row goes to the writer's thread whenever the
// night changes, and at start the newest night not over is offered to go on with. The night
// under way carries this program's mark, so that a second program on the data folder does
// not drive it as well.
#pragma once

#include "Dialoge.h"
#include "Rennabendleiter.h"
#include "Rennabendspeicher.h"
#include "Rennabendsperre.h"
#include "Verlaufsleser.h"
#include "Verlaufsschreiber.h"

// What a start makes of the nights in the history: the newest one, when it is not over and
// holds together, is offered to go on with; a damaged one not over is closed and named.
struct Fortsetzung {
    std::optional<Rennabend> angeboten;
    std::vector<GespeicherterRennabend> beschaedigt;
};
Fortsetzung fortsetzung(std::vector<GespeicherterRennabend> abende);

// "Der Rennabend vom 09.12.2026 ist noch nicht zu Ende (2 von 3 Begegnungen gefahren).
// Weiterfahren?"
QString fortsetzungsfrage(const Rennabend& abend);
// "Der Rennabend vom 09.12.2026 läuft schon in einem anderen Rundomat auf diesem Datenordner
// (Prozess 4711). Hier geht es ohne Rennabend weiter."
QString fremderAbend(const Rennabend& abend, const QString& halter);
// "Der Rennabend vom 09.12.2026 ist beschädigt und wird nicht fortgesetzt: Sein Plan ist
// leer. Seine Rennen bleiben im Verlauf."
QString beschaedigungsmeldung(const GespeicherterRennabend& abend);

class Rennabendverlauf {
public:
    Rennabendverlauf(Rennabendleiter& leiter, Verlaufsschreiber& schreiber, Verlaufsleser& leser,
                     Dialoge& dialoge, Rennabendsperre& sperre);

    // Once, after the history's finding (which comes when the races that waited in files are
    // with the writer): asks whether to go on with the newest night not over. Yes loads it
    // with its races; no marks it over. Nothing is asked while a night runs already (one
    // begun from the command line replaces it); a night another running program drives is
    // only told of, and left to it. A damaged night not over is marked over, the rest of its
    // row left as it is, and the racer told.
    void anbieten();

private:
    void ablegen(const Rennabend& abend);

    Rennabendleiter& m_leiter;
    Verlaufsschreiber& m_schreiber;
    Verlaufsleser& m_leser;
    Dialoge& m_dialoge;
    Rennabendsperre& m_sperre;
    bool m_angeboten = false;
};
