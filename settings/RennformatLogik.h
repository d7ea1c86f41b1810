// The window "Rennformat": a race by laps or by time, its length in time and the rule that
// ends it, and the track: its lanes, those with no car tonight, and whether a race by laps
// ends for the others at their next crossing once the winner is home. It opens between
// races only; OK checks what was typed and chosen, applies it to the race and stores it,
// and a lane-change race then begins again with its first heat. The automatic track call and
// its factor are part of the format, too, and so are the rule for a false start and the
// seconds of its penalty, of a stop and go and of the race director's time penalty.
#pragma once

#include "Einstellungswerte.h"
#include "Rennen.h"

struct RennformatAnsicht {
    bool nachZeit = false;
    QString dauer; // "3:00", "1:30:00", or minutes alone ("5")
    Zielregel zielregel = Zielregel::RundeBeenden;
    int spuranzahl = KleinsteSpurenzahl;
    std::uint32_t freieSpuren = 0; // bit n-1: lane n
    bool nachSiegerBeenden = false;
    bool streckenrufautomatik = false;
    QString streckenruffaktor; // a whole number of median laps, 2 to 10
    Fehlstartregel fehlstartregel = Fehlstartregel::Abbruch;
    // Whole seconds, 1 to 600.
    QString fehlstartstrafe;
    QString stopAndGoZeit;
    QString strafzeit;

    bool operator==(const RennformatAnsicht&) const = default;
};

// A length as typed: "m:ss", "h:mm:ss", or whole minutes; none for anything else.
std::optional<std::int32_t> renndauerLesen(const QString& text);

class RennformatLogik {
public:
    RennformatLogik(Rennen& rennen, Einstellungsspeicher& speicher, Dialoge& dialoge);

    RennformatAnsicht ansicht;
    // The time and the rule count only by time.
    bool zeitWaehlbar() const { return ansicht.nachZeit; }
    // The finish after the winner is a rule of races by laps.
    bool siegerregelWaehlbar() const { return !ansicht.nachZeit; }
    // A new lane count brings the rule after the winner its default for that count.
    void spuranzahlWaehlen(int anzahl);
    // False while the window must stay open: the length was refused with a message.
    bool okGedrueckt();

private:
    bool bahnPruefen();
    void bahnSpeichern(Renneinstellungen& e);
    // The fields of whole numbers into `e`; false after the message for the first refused.
    bool zahlenUebernehmen(Renneinstellungen& e);
    // What changed of the track call and the penalties, so a store that never had their
    // keys keeps only the keys it had.
    void rennleitungSpeichern(const Renneinstellungen& e, const Renneinstellungen& vorher);

    Rennen& m_rennen;
    Einstellungswerte m_werte;
    Dialoge& m_dialoge;
};
