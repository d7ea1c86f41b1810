#include "RaceControlEinstellungen.h"

#include "RacecontrolModul.h"
#include "Zahlenformat.h"

namespace {

struct Feldregel {
    std::int32_t hoechstwert;
    QString meldung;
    const Einstellung& einstellung;
    std::int32_t Boxparameter::*wert;
};

const Feldregel& regel(RaceControlEinstellungen::Feld feld) {
    static const std::array<Feldregel, 3> regeln{{
        {130, QStringLiteral("Die Empfindlichkeit muß zwischen 0 und 130 liegen"),
         Einstellungen::RCEmpfindlichkeit, &Boxparameter::empfindlichkeit},
        {50, QStringLiteral("Die Verzögerung muß zwischen 0 und 50 liegen"),
         Einstellungen::RCVerzoegerung, &Boxparameter::verzoegerung},
        {15, QStringLiteral("Die Nachlaufzeit muß zwischen 0 und 15 liegen"),
         Einstellungen::RCNachlauf, &Boxparameter::nachlauf},
    }};
    return regeln[static_cast<std::size_t>(feld)];
}

std::optional<std::int32_t> wertIm(const QString& text, const Feldregel& regel) {
    const std::optional<std::int32_t> wert = Zahlenformat::ganzzahlLesen(text);
    if (!wert || *wert < 0 || *wert > regel.hoechstwert)
        return std::nullopt;
    return wert;
}

} // namespace

RaceControlEinstellungen::RaceControlEinstellungen(Rennen& rennen, Einstellungsspeicher& speicher,
                                                   BoxBibliothek& box, Dialoge& dialoge)
    : m_rennen(rennen), m_werte(speicher), m_box(box), m_dialoge(dialoge) {}

void RaceControlEinstellungen::oeffnen() {
    const Boxparameter& parameter = m_rennen.einstellungen().box;
    for (Feld feld : Felder)
        text(feld) = QString::number(parameter.*regel(feld).wert);
    checkSZsensorTausch = parameter.sensorTausch;
}

bool RaceControlEinstellungen::Validate(Feld feld) {
    if (wertIm(text(feld), regel(feld)))
        return true;
    m_dialoge.meldung(regel(feld).meldung, QStringLiteral("Fehler"));
    return false;
}

void RaceControlEinstellungen::bibliotheksversionZeigen() {
    const std::optional<QString> version = RaceControlVersion(m_box, m_dialoge);
    m_dialoge.meldung(QStringLiteral("Die Datei jnutl.dll hat die Version: ") +
                          version.value_or(QStringLiteral("FEHLER")),
                      Anwendungstitel);
}

std::optional<RaceControlEinstellungen::Feld> RaceControlEinstellungen::okGedrueckt() {
    for (Feld feld : Felder) {
        if (!Validate(feld))
            return feld;
    }
    Boxparameter parameter;
    for (Feld feld : Felder) {
        const Feldregel& r = regel(feld);
        parameter.*r.wert = *wertIm(text(feld), r);
        m_werte.speichern(r.einstellung, parameter.*r.wert);
    }
    parameter.sensorTausch = checkSZsensorTausch;
    m_werte.speichern(Einstellungen::RCSZsensorTausch, checkSZsensorTausch);
    m_rennen.boxparameterSetzen(parameter);
    return std::nullopt;
}
