// Every input of the race as a value: what the race model's input functions take, so a
// race can be recorded and replayed input by input (see Mitschnitt.h).
#pragma once

#include "Ampel.h"
#include "Farben.h"
#include "Renneinstellungen.h"
#include "Rennstand.h"

#include <QString>
#include <variant>

// The way a lap signal came: the sensors on the port's lines, a sensor board, or the
// timing box. In single mode one sensor serves both lanes; the box has a sensor per lane.
enum class Signalweg { Leitungen, Platine, Box };

namespace Eingabe {
struct StartGedrueckt {
    bool operator==(const StartGedrueckt&) const = default;
};
struct CountdownTick {
    bool operator==(const CountdownTick&) const = default;
};
struct RennzeitTick {
    bool operator==(const RennzeitTick&) const = default;
};
struct CrashUmschalten {
    bool operator==(const CrashUmschalten&) const = default;
};
struct SignalPruefen {
    int spur;
    double zeit;
    bool operator==(const SignalPruefen&) const = default;
};
struct Rundensignal {
    int spur;
    double zeit;
    Signalweg weg;
    bool operator==(const Rundensignal&) const = default;
};
struct Handrunde {
    int spur;
    bool operator==(const Handrunde&) const = default;
};
struct RundeStreichen {
    int spur;
    bool operator==(const RundeStreichen&) const = default;
};
struct StrafeGeben {
    int spur;
    Strafart art;
    double wert;
    QString grund;
    bool operator==(const StrafeGeben&) const = default;
};
struct StreckenrufAusloesen {
    int spur; // the lane overdue
    bool operator==(const StreckenrufAusloesen&) const = default;
};
struct StrafeZuruecknehmen {
    bool operator==(const StrafeZuruecknehmen&) const = default;
};
struct ZieleinlaufSchliessen {
    bool operator==(const ZieleinlaufSchliessen&) const = default;
};
struct BoxwachtTick {
    bool operator==(const BoxwachtTick&) const = default;
};
struct BoxGehoert {
    bool operator==(const BoxGehoert&) const = default;
};
struct Boxzeitsprung {
    int spur;
    double abstand;
    bool operator==(const Boxzeitsprung&) const = default;
};
struct SensoruhrWechseln {
    Sensoruhr uhr;
    bool operator==(const SensoruhrWechseln&) const = default;
};
struct EinstellungenAnwenden {
    Renneinstellungen werte;
    bool operator==(const EinstellungenAnwenden&) const = default;
};
struct BoxparameterSetzen {
    Boxparameter werte;
    bool operator==(const BoxparameterSetzen&) const = default;
};
struct TitelSetzen {
    QString titel;
    bool operator==(const TitelSetzen&) const = default;
};
struct FahrerBenennen {
    int spur;
    QString name;
    bool operator==(const FahrerBenennen&) const = default;
};
struct FahrerfarbeSetzen {
    int spur;
    Farbe farbe;
    bool operator==(const FahrerfarbeSetzen&) const = default;
};
struct EinzelmodusUmschalten {
    bool operator==(const EinzelmodusUmschalten&) const = default;
};
struct HoechstgeschwindigkeitZuruecksetzen {
    bool operator==(const HoechstgeschwindigkeitZuruecksetzen&) const = default;
};
struct AmpelSetzen {
    Ampel ampel;
    bool operator==(const AmpelSetzen&) const = default;
};
struct SpurwechselVonVorn {
    bool operator==(const SpurwechselVonVorn&) const = default;
};
struct AbendeintragSetzen {
    std::optional<Abendeintrag> eintrag;
    bool operator==(const AbendeintragSetzen&) const = default;
};
struct PortGeoeffnet {
    QString port;
    bool operator==(const PortGeoeffnet&) const = default;
};
struct PortFehlt {
    bool operator==(const PortFehlt&) const = default;
};
struct ZweiterPortGesetzt {
    QString port;
    bool operator==(const ZweiterPortGesetzt&) const = default;
};
struct PlatineErkannt {
    bool spurstrom;
    bool operator==(const PlatineErkannt&) const = default;
};
struct ErgebnisSpeichern {
    bool operator==(const ErgebnisSpeichern&) const = default;
};
struct SimulationGestartet {
    double kuerzesteRunde;
    bool operator==(const SimulationGestartet&) const = default;
};
} // namespace Eingabe

using Renneingabe =
    std::variant<Eingabe::StartGedrueckt, Eingabe::CountdownTick, Eingabe::CrashUmschalten,
                 Eingabe::SignalPruefen, Eingabe::Rundensignal, Eingabe::Handrunde,
                 Eingabe::BoxwachtTick, Eingabe::BoxGehoert, Eingabe::Boxzeitsprung,
                 Eingabe::SensoruhrWechseln, Eingabe::EinstellungenAnwenden,
                 Eingabe::BoxparameterSetzen, Eingabe::TitelSetzen, Eingabe::FahrerBenennen,
                 Eingabe::FahrerfarbeSetzen, Eingabe::EinzelmodusUmschalten,
                 Eingabe::HoechstgeschwindigkeitZuruecksetzen, Eingabe::AmpelSetzen,
                 Eingabe::SpurwechselVonVorn, Eingabe::PortGeoeffnet, Eingabe::PortFehlt,
                 Eingabe::PlatineErkannt, Eingabe::SimulationGestartet, Eingabe::ErgebnisSpeichern,
                 Eingabe::RennzeitTick, Eingabe::RundeStreichen, Eingabe::ZieleinlaufSchliessen,
                 Eingabe::AbendeintragSetzen, Eingabe::ZweiterPortGesetzt, Eingabe::StrafeGeben,
                 Eingabe::StrafeZuruecknehmen, Eingabe::StreckenrufAusloesen>;

// Hears every input of a race as it arrives, before the race acts on it.
class Eingabeschreiber {
public:
    virtual ~Eingabeschreiber() = default;
    virtual void eingabe(const Renneingabe& eingabe) = 0;
};

class Rennen;

// Gives the race the input, through the same function the program calls.
void eingeben(Rennen& rennen, const Renneingabe& eingabe);
