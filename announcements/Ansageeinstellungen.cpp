#include "Ansageeinstellungen.h"

#include <utility>

namespace {
const std::pair<bool Ansageeinstellungen::*, const Einstellung*> Schalter[] = {
    {&Ansageeinstellungen::an, &Einstellungen::Ansagen},
    {&Ansageeinstellungen::rundenzeit, &Einstellungen::AnsageRundenzeit},
    {&Ansageeinstellungen::fahrername, &Einstellungen::AnsageFahrername},
    {&Ansageeinstellungen::bestzeit, &Einstellungen::AnsageBestzeit},
    {&Ansageeinstellungen::restrunden, &Einstellungen::AnsageRestrunden},
    {&Ansageeinstellungen::rennereignisse, &Einstellungen::AnsageRennereignisse},
};
} // namespace

Ansageeinstellungen Ansageeinstellungen::lesen(Einstellungswerte& werte) {
    Ansageeinstellungen e;
    for (const auto& [feld, einstellung] : Schalter)
        e.*feld = werte.flag(*einstellung);
    e.tempo = werte.ganzzahl(Einstellungen::AnsageTempo, TempoMin, TempoMax);
    e.lautstaerke = werte.ganzzahl(Einstellungen::AnsageLautstaerke, 0, 100);
    return e;
}

void Ansageeinstellungen::speichern(Einstellungswerte& werte) const {
    for (const auto& [feld, einstellung] : Schalter)
        werte.speichern(*einstellung, this->*feld);
    werte.speichern(Einstellungen::AnsageTempo, QString::number(tempo));
    werte.speichern(Einstellungen::AnsageLautstaerke, QString::number(lautstaerke));
}
