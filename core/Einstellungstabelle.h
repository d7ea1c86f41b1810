// Every key of the settings store with its default text: the one place that names them.
// Values are always text; Einstellungswerte.h reads and writes them with their conversions.
#pragma once

#include "Reihe.h"

#include <QString>

struct Einstellung {
    QString schluessel;
    QString vorgabe;
};

namespace Einstellungen {
inline const Einstellung Laenge{QStringLiteral("laenge"), QStringLiteral("5")};
inline const Einstellung Runden{QStringLiteral("runden"), QStringLiteral("10")};
inline const Einstellung Prellzeit{QStringLiteral("prellzeit"), QStringLiteral("2")};
inline const Einstellung Caption{QStringLiteral("caption"), QStringLiteral("Rundomat")};
inline const Einstellung RaceControl{QStringLiteral("RaceControl"), QStringLiteral("False")};
inline const Einstellung RCEmpfindlichkeit{QStringLiteral("RCEmpfindlichkeit"),
                                           QStringLiteral("0")};
inline const Einstellung RCVerzoegerung{QStringLiteral("RCVerzoegerung"), QStringLiteral("0")};
inline const Einstellung RCNachlauf{QStringLiteral("RCNachlauf"), QStringLiteral("0")};
inline const Einstellung RCSZsensorTausch{QStringLiteral("RCSZsensorTausch"),
                                          QStringLiteral("False")};
inline const Einstellung RundenBeep{QStringLiteral("RundenBeep"), QStringLiteral("False")};
inline const Einstellung MitSound{QStringLiteral("MitSound"), QStringLiteral("False")};
inline const Einstellung SchnellsterRundenBeep{QStringLiteral("SchnellsterRundenBeep"),
                                               QStringLiteral("False")};
inline const Einstellung PermanentesLogging{QStringLiteral("PermanentesLogging"),
                                            QStringLiteral("False")};
inline const Einstellung MaxGeschwManuell{QStringLiteral("MaxGeschwManuell"),
                                          QStringLiteral("False")};
inline const Einstellung Ampelbilder{QStringLiteral("Ampelbilder"), QStringLiteral("True")};
inline const Einstellung Rennmodus{QStringLiteral("Rennmodus"), QStringLiteral("True")};
inline const Einstellung OhneCountdown{QStringLiteral("ohneCountdown"), QStringLiteral("False")};
// The track's lanes, the lanes with no car tonight ("3,5"), and whether a race by laps
// ends for the others at their next crossing once the winner is home ("True", "False",
// or by the lane count: on for more than two lanes).
inline const Einstellung Spuranzahl{QStringLiteral("Spuranzahl"), QStringLiteral("2")};
inline const Einstellung FreieSpuren{QStringLiteral("FreieSpuren"), QString()};
inline const Einstellung NachSiegerBeenden{QStringLiteral("NachSiegerBeenden"),
                                           QStringLiteral("Spurenzahl")};
// A driver and a colour for every lane a track can have: "fahrer1" … "fahrer8".
inline const Reihe<Einstellung, GroessteSpurenzahl> Fahrer = [] {
    Reihe<Einstellung, GroessteSpurenzahl> r;
    for (int spur = 1; spur <= GroessteSpurenzahl; ++spur)
        r[spur] = {QStringLiteral("fahrer%1").arg(spur), QStringLiteral("Fahrer %1").arg(spur)};
    return r;
}();
inline const Reihe<Einstellung, GroessteSpurenzahl> Fahrerfarbe = [] {
    Reihe<Einstellung, GroessteSpurenzahl> r;
    for (int spur = 1; spur <= GroessteSpurenzahl; ++spur)
        r[spur] = {QStringLiteral("fahrerfarbe%1").arg(spur), QStringLiteral("12632256")};
    return r;
}();
// The race format: by laps or by time, the time in seconds and the rule that ends it.
inline const Einstellung Rennart{QStringLiteral("Rennart"), QStringLiteral("Runden")};
inline const Einstellung Renndauer{QStringLiteral("Renndauer"), QStringLiteral("180")};
inline const Einstellung Zielregel{QStringLiteral("Zielregel"), QStringLiteral("RundeBeenden")};
// A false start: the start called off ("Abbruch"), or the countdown runs on and the lane
// gets a time penalty ("Zeitstrafe") or a stop and go ("StopAndGo") of so many seconds.
inline const Einstellung Fehlstartregel{QStringLiteral("Fehlstartregel"),
                                        QStringLiteral("Abbruch")};
inline const Einstellung Fehlstartstrafe{QStringLiteral("Fehlstartstrafe"), QStringLiteral("5")};
inline const Einstellung StopAndGoZeit{QStringLiteral("StopAndGoZeit"), QStringLiteral("10")};
// The seconds of the race director's time penalty key.
inline const Einstellung Strafzeit{QStringLiteral("Strafzeit"), QStringLiteral("5")};
// The automatic track call, and how many median laps a lane may be overdue before it.
inline const Einstellung Streckenrufautomatik{QStringLiteral("Streckenrufautomatik"),
                                              QStringLiteral("False")};
inline const Einstellung Streckenruffaktor{QStringLiteral("Streckenruffaktor"),
                                           QStringLiteral("3")};
// A race night: every pair once or a rotation, a final of the two best, and the points for
// a Begegnung's win, draw and loss.
inline const Einstellung RennabendFormat{QStringLiteral("RennabendFormat"),
                                         QStringLiteral("JederGegenJeden")};
inline const Einstellung RennabendFinale{QStringLiteral("RennabendFinale"),
                                         QStringLiteral("False")};
inline const Einstellung RennabendPunkte{QStringLiteral("RennabendPunkte"),
                                         QStringLiteral("3,1,0")};
// How a night scores its Läufe: wins ("Siege"), the distance or total time over them all
// ("Gesamtrunden"), or points per place from a list ("Platzpunkte"); "Spurenzahl" leaves it
// to the track: wins on two lanes, places on more.
inline const Einstellung RennabendWertung{QStringLiteral("RennabendWertung"),
                                          QStringLiteral("Spurenzahl")};
inline const Einstellung RennabendPlatzpunkte{QStringLiteral("RennabendPlatzpunkte"),
                                              QStringLiteral("25,22,20,18,16,15,14,13")};
// A night's qualifying before its mains: none ("Keine"), by best lap ("BesteRunde") or by
// the distance of a run ("MeisteRunden"); and whether each main's winner moves up.
inline const Einstellung RennabendQualifikation{QStringLiteral("RennabendQualifikation"),
                                                QStringLiteral("Keine")};
inline const Einstellung RennabendAufsteiger{QStringLiteral("RennabendAufsteiger"),
                                             QStringLiteral("False")};
// The qualifying over every lane, each driver once on each, instead of a Lauf each.
inline const Einstellung RennabendQualifikationAufJederSpur{
    QStringLiteral("RennabendQualifikationAufJederSpur"), QStringLiteral("False")};
// How each main is driven: a single Lauf ("Einzellauf") or a rotation over every lane.
inline const Einstellung RennabendHauptlaeufe{QStringLiteral("RennabendHauptlaeufe"),
                                              QStringLiteral("Einzellauf")};
// A season's championship: the points for a night's first, second, … place.
inline const Einstellung RennabendSaisonpunkte{QStringLiteral("RennabendSaisonpunkte"),
                                               QStringLiteral("10,8,6,5,4,3,2,1")};
inline const Einstellung SpurWechsel{QStringLiteral("SpurWechsel"), QStringLiteral("False")};
inline const Einstellung Port{QStringLiteral("port"), QStringLiteral("?")};
inline const Einstellung Port2{QStringLiteral("port2"), QStringLiteral("?")};
// The spectators' live page (on or off, its port, the address it listens on: empty for
// every address of the PC) and big-screen window (its screen, its size out of full screen,
// and whether it fills the screen).
inline const Einstellung ZuschauerWeb{QStringLiteral("ZuschauerWeb"), QStringLiteral("False")};
inline const Einstellung ZuschauerPort{QStringLiteral("ZuschauerPort"), QStringLiteral("8080")};
inline const Einstellung ZuschauerAdresse{QStringLiteral("ZuschauerAdresse"), QString()};
inline const Einstellung ZuschauerBildschirm{QStringLiteral("ZuschauerBildschirm"), QString()};
inline const Einstellung ZuschauerBreite{QStringLiteral("ZuschauerBreite"), QStringLiteral("960")};
inline const Einstellung ZuschauerHoehe{QStringLiteral("ZuschauerHoehe"), QStringLiteral("540")};
inline const Einstellung ZuschauerVollbild{QStringLiteral("ZuschauerVollbild"),
                                           QStringLiteral("False")};
// Spoken announcements: on at all, each kind, the voice's words per minute and volume (%).
inline const Einstellung Ansagen{QStringLiteral("Ansagen"), QStringLiteral("True")};
inline const Einstellung AnsageRundenzeit{QStringLiteral("AnsageRundenzeit"),
                                          QStringLiteral("True")};
inline const Einstellung AnsageFahrername{QStringLiteral("AnsageFahrername"),
                                          QStringLiteral("False")};
inline const Einstellung AnsageBestzeit{QStringLiteral("AnsageBestzeit"), QStringLiteral("True")};
inline const Einstellung AnsageRestrunden{QStringLiteral("AnsageRestrunden"),
                                          QStringLiteral("True")};
inline const Einstellung AnsageRennereignisse{QStringLiteral("AnsageRennereignisse"),
                                              QStringLiteral("True")};
inline const Einstellung AnsageTempo{QStringLiteral("AnsageTempo"), QStringLiteral("175")};
inline const Einstellung AnsageLautstaerke{QStringLiteral("AnsageLautstaerke"),
                                           QStringLiteral("100")};
// The zoom of the main window and the windows it opens, in percent: 100 to 300 in steps of 25.
inline const Einstellung Zoom{QStringLiteral("Zoom"), QStringLiteral("100")};
} // namespace Einstellungen
