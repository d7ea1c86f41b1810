#include "Rennen.h"
#include "Zahlenformat.h"

using Zahlenformat::runden3;
using Zahlenformat::ZahlFormatieren;

void Rennen::RundeEintragen(int spur, int zeile, double zeit, double geschw, bool zusammenfassung) {
    Rundentabelle& tabelle = fR.FG[spur];
    if (!zusammenfassung) {
        tabelle.zelle(zeile, 0).text = QString::number(zeile);
    } else {
        tabelle.zelle(zeile, 0) = {QStringLiteral("->"), true, Zellhintergrund::Standard};
        for (int spalte = 1; spalte <= 2; ++spalte) {
            tabelle.zelle(zeile, spalte).fett = true;
            tabelle.zelle(zeile, spalte).hintergrund = Zellhintergrund::Infohintergrund;
        }
    }
    tabelle.zelle(zeile, 1).text = ZahlFormatieren(zeit);
    tabelle.zelle(zeile, 2).text = ZahlFormatieren(geschw);
    if (!zusammenfassung)
        return;

    for (int spalte = 1; spalte <= 2; ++spalte)
        tabelle.zelle(BestRunde[spur], spalte).hintergrund = Zellhintergrund::Hellgrau;
    if (SpurWechsel) {
        (ZweiterLauf ? Lauf2Zeit : Lauf1Zeit)[spur] = runden3(zeit);
        (ZweiterLauf ? Lauf2Geschw : Lauf1Geschw)[spur] = runden3(geschw);
    }
}

void Rennen::MaxGeschwZuruecksetzen() {
    MaxGeschw = 0;
    fR.StatusBar1.Panels(QStringLiteral("maxg")).Text = QStringLiteral("Maximalgeschwindigkeit:");
}
