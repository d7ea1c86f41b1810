#include "Rennanzeige.h"
#include "Rennen.h"

using Zahlenformat::runden3;
using Zahlenformat::ZahlFormatieren;

void Rennen::spurFertig(int spur, double t) {
    Fertig[spur] = true;
    fR.LaZeit[spur].Caption = zeittext(t);
    const double schnitt = geschwindigkeit(double(Rundenzahl) * Kurslaenge, t);
    RundeEintragen(spur, Runde[spur], t, schnitt, true);
    DurchschnittsGeschw[spur] = schnitt;
    SoundAbspielen(QStringLiteral("gewinner"));
    // In race mode the first lane home wins, the other loses at that moment.
    if (Rennmodus && fR.LaFahrer[spur].Tag == QStringLiteral("aktivesRennen")) {
        fR.LaFahrer[spur].Caption = QStringLiteral("Sieger!!!");
        fR.LaFahrer[spur].Tag = QStringLiteral("Sieger");
        const int andere = andereSpur(spur);
        fR.LaFahrer[andere].Caption = QStringLiteral("Verlierer");
        fR.LaFahrer[andere].Tag = QStringLiteral("Verlierer");
    }
    const int platz = Fertig[andereSpur(spur)] ? 2 : 1;
    melden([&](Rennbeobachter& b) { b.spurFertig(*this, spur, t, platz); });
}

void Rennen::rennende() {
    SoundAbspielen(QStringLiteral("verlierer"));
    const int sieger = siegerSpur();
    if (!Rennmodus) {
        // Training: only the captions change.
        if (sieger == 0) {
            fR.LaFahrer[1].Caption = QStringLiteral("Unentschieden");
            fR.LaFahrer[2].Caption = QStringLiteral("Unentschieden");
        } else {
            fR.LaFahrer[sieger].Caption = QStringLiteral("Sieger!!!");
            fR.LaFahrer[andereSpur(sieger)].Caption = QStringLiteral("Verlierer");
        }
    }
    melden([&](Rennbeobachter& b) { b.rennende(*this, sieger); });
    if (Rennmodus) {
        m_an.rekorde.HofPruefen();
        if (PermanentesLogging)
            m_an.rekorde.ErgebnisSpeichern();
    }
    if (RaceControl)
        m_an.box.InitBoxes();
    boxwachtBeenden();

    fR.LaStart.Caption = QStringLiteral("Start");
    fR.LaEinstellungen.Enabled = true;
    fR.LaHof.Enabled = true;
    AmpelSetzen(7);
    SignaleGesperrt = true;

    if (SpurWechsel) {
        if (!ZweiterLauf) {
            ZweiterLauf = true;
        } else {
            ZweiLaufAuswertung();
            ZweiterLauf = false;
        }
        LaufAnzeigeSetzen();
        // Each driver takes the other lane next; after the second heat the names are back
        // where they were before the first.
        FahrerTauschen();
    }
}

int Rennen::siegerSpur() const {
    if (!Rennmodus) {
        // Training: the lower best lap wins.
        if (BestZeit[1] < BestZeit[2])
            return 1;
        return BestZeit[2] < BestZeit[1] ? 2 : 0;
    }
    // Race mode: the lane finish marked the first lane home.
    for (int spur = 1; spur <= 2; ++spur)
        if (fR.LaFahrer[spur].Tag == QStringLiteral("Sieger"))
            return spur;
    return 0;
}

void Rennen::ZweiLaufAuswertung() {
    // Driver slot 1 drove lane 2 in the first heat and lane 1 in the second.
    GesamtZeit[1] = Lauf1Zeit[2] + Lauf2Zeit[1];
    GesamtZeit[2] = Lauf1Zeit[1] + Lauf2Zeit[2];
    for (int slot = 1; slot <= 2; ++slot) {
        const double schnitt = geschwindigkeit(2.0 * Rundenzahl * Kurslaenge, GesamtZeit[slot]);
        GesamtGeschw[slot] = Zahlenformat::zahlLesen(ZahlFormatieren(schnitt)).value_or(0.0);
    }

    F2SpurRennenInhalt inhalt;
    int sieger = 1;
    if (GesamtZeit[1] == GesamtZeit[2]) {
        inhalt.LaUeberschrift = QStringLiteral("Unentschieden");
        inhalt.ImVerlierer = inhalt.ImSieger;
    } else {
        sieger = GesamtZeit[1] < GesamtZeit[2] ? 1 : 2;
        inhalt.LaUeberschrift = Fahrer[sieger] + QStringLiteral(" hat gewonnen!");
    }
    const int verlierer = andereSpur(sieger);

    const auto zeiten = [this](int slot) {
        const int ersteSpur = andereSpur(slot);
        return Reihe<QString, 3>{ZahlFormatieren(Lauf1Zeit[ersteSpur]),
                                 ZahlFormatieren(Lauf2Zeit[slot]),
                                 ZahlFormatieren(GesamtZeit[slot])};
    };
    const auto geschwindigkeiten = [this](int slot) {
        const int ersteSpur = andereSpur(slot);
        return Reihe<QString, 3>{ZahlFormatieren(Lauf1Geschw[ersteSpur]),
                                 ZahlFormatieren(Lauf2Geschw[slot]),
                                 ZahlFormatieren(GesamtGeschw[slot])};
    };
    inhalt.LaNameSieger = Fahrer[sieger];
    inhalt.LaZeitSieger = zeiten(sieger);
    inhalt.LaGeschwSieger = geschwindigkeiten(sieger);
    inhalt.LaNameVerlierer = Fahrer[verlierer];
    inhalt.LaZeitVerlierer = zeiten(verlierer);
    inhalt.LaGeschwVerlierer = geschwindigkeiten(verlierer);

    m_an.dialoge.f2SpurRennenZeigen(inhalt);

    ZweiterLauf = false;
    LaufAnzeigeSetzen();
}

void Rennen::LaufAnzeigeSetzen() {
    // In the second heat the drivers change lanes: lane 1's arrow bends right, lane 2's left.
    fR.Im2Spur[1].Picture = ZweiterLauf ? Pfeil::Rechts : Pfeil::Geradeaus;
    fR.Im2Spur[2].Picture = ZweiterLauf ? Pfeil::Links : Pfeil::Geradeaus;
}
