// The key line under each page of the history window: what the page takes, as it stands.
#pragma once

#include <QString>

struct Rennaufzeichnung;

// saison: there are seasons to open; spuren: the lanes of the race chosen, whose drivers
// the keys open.
QString listentasten(bool saison, int spuren);
// What a race's page takes depends on the race (raw signals, a correction stored), on what
// is going on (a correction, a judging again) and on whether a result file can be written.
struct Rennseitentasten {
    const Rennaufzeichnung& rennen;
    bool korrektur = false;
    bool neuBewertung = false;
    bool ergebnisdatei = false;
};
QString renntasten(const Rennseitentasten& seite);
QString fahrertasten(const QString& fahrer);
QString saisontasten();
