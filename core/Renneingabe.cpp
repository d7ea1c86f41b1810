#include "Renneingabe.h"

#include "Rennen.h"

namespace {
template <typename... Faelle> struct Besucher : Faelle... { using Faelle::operator()...; };
// Spelled out for compilers that do not deduce an aggregate's template arguments (clang 14).
template <typename... Faelle> Besucher(Faelle...) -> Besucher<Faelle...>;
} // namespace

void eingeben(Rennen& r, const Renneingabe& eingabe) {
    using namespace Eingabe;
    std::visit(Besucher{
                   [&](const StartGedrueckt&) { r.startGedrueckt(); },
                   [&](const CountdownTick&) { r.countdownTick(); },
                   [&](const CrashUmschalten&) { r.crashUmschalten(); },
                   [&](const SignalPruefen& e) { r.signalPruefen(e.spur, e.zeit); },
                   [&](const Rundensignal& e) { r.rundensignal(e.spur, e.zeit, e.weg); },
                   [&](const Handrunde& e) { r.handrunde(e.spur); },
                   [&](const BoxwachtTick&) { r.boxwachtTick(); },
                   [&](const BoxGehoert&) { r.boxGehoert(); },
                   [&](const Boxzeitsprung& e) { r.boxzeitsprung(e.spur, e.abstand); },
                   [&](const SensoruhrWechseln& e) { r.sensoruhrWechseln(e.uhr); },
                   [&](const EinstellungenAnwenden& e) { r.einstellungenAnwenden(e.werte); },
                   [&](const BoxparameterSetzen& e) { r.boxparameterSetzen(e.werte); },
                   [&](const TitelSetzen& e) { r.titelSetzen(e.titel); },
                   [&](const FahrerBenennen& e) { r.fahrerBenennen(e.spur, e.name); },
                   [&](const FahrerfarbeSetzen& e) { r.fahrerfarbeSetzen(e.spur, e.farbe); },
                   [&](const EinzelmodusUmschalten&) { r.einzelmodusUmschalten(); },
                   [&](const HoechstgeschwindigkeitZuruecksetzen&) {
                       r.hoechstgeschwindigkeitZuruecksetzen();
                   },
                   [&](const AmpelSetzen& e) { r.ampelSetzen(e.ampel); },
                   [&](const SpurwechselVonVorn&) { r.spurwechselVonVorn(); },
                   [&](const PortGeoeffnet& e) { r.portGeoeffnet(e.port); },
                   [&](const PortFehlt&) { r.portFehlt(); },
                   [&](const ZweiterPortGesetzt& e) { r.zweiterPortGesetzt(e.port); },
                   [&](const PlatineErkannt& e) { r.platineErkannt(e.spurstrom); },
                   [&](const SimulationGestartet& e) { r.simulationGestartet(e.kuerzesteRunde); },
                   [&](const ErgebnisSpeichern&) { r.ergebnisSpeichern(); },
                   [&](const RundeStreichen& e) { r.rundeStreichen(e.spur); },
                   [&](const RennzeitTick&) { r.rennzeitTick(); },
                   [&](const ZieleinlaufSchliessen&) { r.zieleinlaufSchliessen(); },
                   [&](const AbendeintragSetzen& e) { r.abendeintragSetzen(e.eintrag); },
                   [&](const StrafeGeben& e) { r.strafeGeben(e.spur, e.art, e.wert, e.grund); },
                   [&](const StrafeZuruecknehmen&) { r.strafeZuruecknehmen(); },
                   [&](const StreckenrufAusloesen& e) { r.streckenrufAusloesen(e.spur); },
               },
               eingabe);
}
