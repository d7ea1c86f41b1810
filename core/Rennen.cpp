#include "Rennen.h"

#include "Einstellungswerte.h"
#include "Zahlenformat.h"

#include <utility>

Rennen::Rennen(const Anschluesse& anschluesse) : m_an(anschluesse) {}

Uhr& Rennen::uhr() {
    return RaceControl ? m_an.boxuhr : m_an.systemuhr;
}

double Rennen::Signalzeit(std::int64_t tick) {
    return static_cast<double>(tick - Pausenzeit) / uhr().ticksProSekunde();
}

void Rennen::RennenZuruecksetzen() {
    for (int spur = 1; spur <= 2; ++spur)
        LetztesSignal[spur] = -Prellzeit;
    Pausenzeit = 0;
    CrashPause = false;
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
