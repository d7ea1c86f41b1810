#include "Rennanzeige.h"
#include "Rennen.h"

using Zahlenformat::runden3;

namespace {
// The per-lap arrays hold the laps driven so far; lap n is added when it is driven.
void rundenwertSetzen(std::vector<double>& werte, int runde, double wert) {
    if (werte.size() <= static_cast<std::size_t>(runde))
        werte.resize(static_cast<std::size_t>(runde) + 1, 0.0);
    werte[static_cast<std::size_t>(runde)] = wert;
}
} // namespace

void Rennen::Rundenereignis(int spur, double zeit) {
    m_folge.ausfuehren([this, spur, zeit] { rundenereignisJetzt(spur, zeit, false); });
}

void Rennen::SimuliertesRundensignal(int spur) {
    const double zeit = Signalzeit(uhr().ticks());
    m_folge.ausfuehren([this, spur, zeit] {
        if (!SignaleGesperrt)
            rundenereignisJetzt(spur, zeit, true);
    });
}

void Rennen::rundenereignisJetzt(int spur, double zeit, bool vonHand) {
    if (OhneCountdown && !RennuhrGestartet) {
        // Flying start: the race clock starts at this signal, which begins lap 1.
        RennuhrStarten(zeit);
        RennuhrGestartet = true;
        Runde[spur] = 1;
        Rundenbeginn[spur] = 0;
        BestZeit[spur] = KeineBestzeit;
        return;
    }
    if (Fertig[spur])
        return;
    if (!RennenLaeuft) {
        fehlstart(spur);
        return;
    }

    double t = 0;
    if (Runde[spur] == 0) {
        // First crossing: lap 1 is timed from the start of the race clock.
        Runde[spur] = 1;
        Rundenbeginn[spur] = 0;
        BestZeit[spur] = KeineBestzeit;
    } else {
        t = runden3(zeit - Startzeit);
        const double rundenzeit = runden3(t - Rundenbeginn[spur]);
        // Two signals within one clock tick (or out of order) make no lap.
        if (!(rundenzeit > 0))
            return;
        rundeGezaehlt(spur, t, rundenzeit, vonHand);
    }

    if (Runde[spur] >= Rundenzahl + 1)
        spurFertig(spur, t);
    if (Fertig[1] && Fertig[2])
        rennende();
}

void Rennen::fehlstart(int spur) {
    fR.LaFahrer[spur].Caption = QStringLiteral("Fehlstart");
    m_an.Timer1.setEnabled(false);
    fR.LaStart.Caption = QStringLiteral("Start");
    AmpelSetzen(7);
    Piepton();
    melden([&](Rennbeobachter& b) { b.fehlstart(*this, spur); });
    m_an.dialoge.hinweis(QStringLiteral("Fehlstart von ") + Fahrer[spur], Anwendungstitel);
}

void Rennen::rundeGezaehlt(int spur, double t, double rundenzeit, bool vonHand) {
    const int n = Runde[spur];
    if (RundenBeep)
        Piepton();
    rundenwertSetzen(Rundenzeiten[spur], n, rundenzeit);
    Rundenbeginn[spur] = t;
    const double geschw = runden3(geschwindigkeit(Kurslaenge, rundenzeit));
    rundenwertSetzen(Geschwindigkeiten[spur], n, geschw);
    RundeEintragen(spur, n, rundenzeit, geschw, false);
    fR.LaZeit[spur].Caption = zeittext(rundenzeit);
    const bool neueHoechstgeschwindigkeit = geschw > MaxGeschw;
    if (neueHoechstgeschwindigkeit) {
        fR.StatusBar1.Panels(QStringLiteral("maxg")).Text =
            QStringLiteral("Maximalgeschwindigkeit: ") + Zahlenformat::allgemein(geschw) +
            QStringLiteral(" m/s von ") + Fahrer[spur];
        MaxGeschw = geschw;
        if (SchnellsterRundenBeep)
            Piepton();
    }
    fR.LaRunde[spur].Caption = QString::number(Rundenzahl - n);
    const bool neueBestzeit = rundenzeit < BestZeit[spur];
    if (neueBestzeit) {
        BestZeit[spur] = rundenzeit;
        fR.LaBestZeit[spur].Caption = zeittext(rundenzeit);
        BestRunde[spur] = n;
    }
    Runde[spur] = n + 1;
    const Rundenmeldung runde{spur, n,       rundenzeit,   geschw,
                              t,    vonHand, neueBestzeit, neueHoechstgeschwindigkeit};
    melden([&](Rennbeobachter& b) { b.rundeGezaehlt(*this, runde); });
}
