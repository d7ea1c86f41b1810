#include "Rennen.h"

namespace {
const QString StartText = QStringLiteral("Start");
}

void Rennen::LaStart_Click() {
    m_folge.ausfuehren([this] { laStartKlick(); });
}

void Rennen::laStartKlick() {
    // Start and Stop alike clear both lap tables.
    RennenZuruecksetzen();
    TabelleDimensionieren();
    boxwachtBeenden();

    if (fR.LaStart.Caption != StartText) {
        anhalten(7);
        return;
    }

    // A box library gone since the last run leaves no clock to race against.
    if (RaceControl) {
        if (const std::optional<QString> fehler = m_an.box.ladefehler()) {
            SignaleGesperrt = true;
            m_an.dialoge.hinweis(*fehler, Anwendungstitel);
            return;
        }
    }
    m_ampelVorStart = m_ampel;
    SignaleGesperrt = false;
    fR.LaEinstellungen.Enabled = false;
    fR.LaHof.Enabled = false;
    for (int spur = 1; spur <= 2; ++spur) {
        fR.LaFahrer[spur].Caption = Fahrer[spur];
        fR.LaFahrer[spur].Tag = QStringLiteral("aktivesRennen");
        Fertig[spur] = false;
    }
    if (RaceControl)
        RaceControlOeffnen();
    if (OhneCountdown) {
        AmpelSetzen(8);
        RennenLaeuft = true;
        RennuhrGestartet = false;
    } else {
        RennenLaeuft = false;
        CountdownTicks = 0;
        CountdownStarten();
        AmpelSetzen(1);
    }
    for (int spur = 1; spur <= 2; ++spur) {
        fR.LaZeit[spur].Caption = QStringLiteral("0 sec");
        fR.LaBestZeit[spur].Caption = QStringLiteral("? sec");
    }
    fR.LaStart.Caption = QStringLiteral("Stop");
    for (int spur = 1; spur <= 2; ++spur)
        fR.LaRunde[spur].Caption = QString::number(Rundenzahl);
    melden([&](Rennbeobachter& b) { b.rennenGestartet(*this); });
}

void Rennen::anhalten(int ampel) {
    SignaleGesperrt = true;
    fR.LaEinstellungen.Enabled = true;
    fR.LaHof.Enabled = true;
    m_an.Timer1.setEnabled(false);
    AmpelSetzen(ampel);
    fR.LaStart.Caption = StartText;
    melden([&](Rennbeobachter& b) { b.rennenGestoppt(*this); });
}

void Rennen::CountdownStarten() {
    CountdownTicks = 0;
    fR.LaCountdown.Caption = QStringLiteral("5");
    m_an.Timer1.setEnabled(true);
}

void Rennen::Timer1_Timer() {
    m_folge.ausfuehren([this] { countdownSchritt(); });
}

void Rennen::countdownSchritt() {
    // A tick that waited behind a modal dialog may find the countdown already over.
    if (!m_an.Timer1.enabled())
        return;
    ++CountdownTicks;
    if (CountdownTicks % 10 != 0 || CountdownTicks > 50)
        return;
    const int sekunde = CountdownTicks / 10;
    fR.LaCountdown.Caption = QString::number(5 - sekunde);
    AmpelSetzen(sekunde + 1);
    if (sekunde == 5) {
        RennuhrStarten();
        SoundAbspielen(QStringLiteral("start"));
        m_an.Timer1.setEnabled(false);
        CountdownTicks = 0;
    }
}

void Rennen::RennuhrStarten(std::optional<double> startzeit) {
    for (int spur = 1; spur <= 2; ++spur)
        Fertig[spur] = false;
    RennenLaeuft = true;
    if (!MaxGeschwManuell)
        MaxGeschwZuruecksetzen();
    AmpelSetzen(6);
    for (int spur = 1; spur <= 2; ++spur) {
        Runde[spur] = 0;
        Rundenzeiten[spur].assign(1, 0.0);
        Geschwindigkeiten[spur].assign(1, 0.0);
    }
    // On the same pause-adjusted scale as the signal times, so a crash pause between
    // Start and the clock start does not shorten the race. During a pause that clock
    // stands still at the moment the pause began.
    const std::int64_t tick = CrashPause ? PausenBeginn : uhr().ticks();
    Startzeit = startzeit.value_or(Signalzeit(tick));
}

void Rennen::RaceControlOeffnen() {
    m_an.box.InitBoxes();
    m_an.box.OpenBox(
        0, boxKonfiguration(RCEmpfindlichkeit, RCVerzoegerung, RCNachlauf, RCSZsensorTausch));
    m_boxScharf = m_an.systemuhr.ticks();
    m_an.boxwacht.setEnabled(true);
}
