#include "Rennen.h"

#include "Einstellungswerte.h"
#include "Zahlenformat.h"

#include <cmath>
#include <utility>

Rennen::Rennen(const Anschluesse& anschluesse) : m_an(anschluesse), m_sensoruhr(&m_an.systemuhr) {}

Uhr& Rennen::uhr() {
    return RaceControl ? m_an.boxuhr : *m_sensoruhr;
}

void Rennen::SensoruhrWechseln(Uhr& sensoruhr) {
    m_folge.ausfuehren([this, &sensoruhr] {
        Uhr& alt = *m_sensoruhr;
        m_sensoruhr = &sensoruhr;
        if (&alt == &sensoruhr || RaceControl)
            return;
        const std::int64_t jetztAlt = alt.ticks();
        const std::int64_t jetztNeu = sensoruhr.ticks();
        const double faktor =
            static_cast<double>(sensoruhr.ticksProSekunde()) / alt.ticksProSekunde();
        const auto umrechnen = [&](std::int64_t tick) {
            return jetztNeu + std::llround(static_cast<double>(tick - jetztAlt) * faktor);
        };
        // Pausenzeit is subtracted from ticks: its now-relative value scales the same way.
        Pausenzeit = jetztNeu - std::llround(static_cast<double>(jetztAlt - Pausenzeit) * faktor);
        PausenBeginn = umrechnen(PausenBeginn);
        PausenEnde = umrechnen(PausenEnde);
    });
}

void Rennen::Sensorsignal(int spur, double zeit) {
    Rundenereignis(spur, zeit);
    // Single mode: one sensor serves both lanes, its own first.
    if (Einzelmodus)
        Rundenereignis(andereSpur(spur), zeit);
}

double Rennen::Signalzeit(std::int64_t tick) {
    return static_cast<double>(tick - Pausenzeit) / uhr().ticksProSekunde();
}

void Rennen::RennenZuruecksetzen() {
    for (int spur = 1; spur <= 2; ++spur)
        LetztesSignal[spur] = -Prellzeit;
    Pausenzeit = 0;
    CrashPause = false;
    BoxzeitsprungGemeldet = false;
    fR.LaCrash.Visible = false;
    for (int spur = 1; spur <= 2; ++spur)
        fR.FG[spur].zeilenzahlSetzen(1);
}

void Rennen::TabelleDimensionieren() {
    // A lap count below 1 would finish a lane without a timed lap; the tables refuse it
    // like one they cannot hold.
    while (Rundenzahl < 1 || Rundenzahl > Rundentabelle::GroessteRundenzahl) {
        m_an.dialoge.meldung(
            QStringLiteral("Die Anzahl an Runden kann nicht akzeptiert werden, da nicht soviel "
                           "Arbeitsspeicher vorrätig. Setze die Rundenzahl auf 10."),
            QStringLiteral("Speicherproblem"));
        Rundenzahl = 10;
        fR.StatusBar1.Panels(QStringLiteral("rundenzahl")).Text =
            QStringLiteral("Rundenzahl: ") + QString::number(Rundenzahl);
        for (int spur = 1; spur <= 2; ++spur)
            fR.LaRunde[spur].Caption = QString::number(Rundenzahl);
        Einstellungswerte(m_an.speicher).speichern(Einstellungen::Runden, Rundenzahl);
    }
    // Short races still fill the visible part of the table with empty rows.
    for (int spur = 1; spur <= 2; ++spur)
        fR.FG[spur].zeilenzahlSetzen(std::max<std::int64_t>(std::int64_t{Rundenzahl} + 2, 12));
}

void Rennen::FahrerTauschen() {
    std::swap(Fahrer[1], Fahrer[2]);
}

void Rennen::CrashUmschalten() {
    m_folge.ausfuehren([this] { crashUmschaltenJetzt(); });
}

void Rennen::crashUmschaltenJetzt() {
    if (CrashPause) {
        PausenEnde = uhr().ticks();
        Pausenzeit += PausenEnde - PausenBeginn;
        SignaleGesperrt = false;
        AmpelSetzen(6);
        fR.LaCrash.Visible = false;
        CrashPause = false;
        SoundAbspielen(QStringLiteral("start"));
    } else {
        PausenBeginn = uhr().ticks();
        SignaleGesperrt = true;
        AmpelSetzen(7);
        fR.LaCrash.Visible = true;
        CrashPause = true;
        SoundAbspielen(QStringLiteral("crash"));
    }
    melden([&](Rennbeobachter& b) { b.crashPause(*this, CrashPause); });
}
