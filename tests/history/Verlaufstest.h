// Shared by the history's tests: a data folder with the race database, and races made up
// to the lap.
#pragma once

#include "Rennaufzeichnung.h"
#include "Verlaufsablage.h"
#include "Verlaufsdatenbank.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <initializer_list>
#include <vector>

// A lane with these lap times at 5 m per lap; a lane that drove them all finished.
inline Spurfahrt fahrt(const QString& fahrer, std::initializer_list<double> zeiten,
                       bool imZiel = true, Farbe farbe = Farben::Hellgrau) {
    Spurfahrt f;
    f.fahrer = fahrer;
    f.farbe = farbe;
    double gesamt = 0;
    for (double zeit : zeiten) {
        f.runden.push_back({zeit, 5 / zeit, false});
        gesamt += zeit;
    }
    if (imZiel) {
        f.gesamtzeit = gesamt;
        f.schnitt = 5.0 * double(zeiten.size()) / gesamt;
    }
    return f;
}

inline Rennaufzeichnung
rennen(const QString& a, std::initializer_list<double> zeitenA, const QString& b,
       std::initializer_list<double> zeitenB,
       const QString& beginn = QStringLiteral("2026-05-01T14:03:22+02:00")) {
    Rennaufzeichnung r;
    r.beginn = QDateTime::fromString(beginn, Qt::ISODate);
    r.rundenzahl = static_cast<int>(std::max(zeitenA.size(), zeitenB.size()));
    r.kurslaenge = 5;
    r.prellzeit = 2;
    r.laeufe.push_back({fahrt(a, zeitenA), fahrt(b, zeitenB)});
    r.sieger = a;
    return r;
}

// The races handed to the history's store, in the order they came.
class Ablageliste : public Verlaufsablage {
public:
    void ablegen(Rennaufzeichnung a) override { rennen.push_back(std::move(a)); }
    std::vector<Rennaufzeichnung> rennen;
};

inline std::vector<double> rundenzeitenVon(const Spurfahrt& f) {
    std::vector<double> z;
    for (const Rundeneintrag& r : f.runden)
        z.push_back(r.zeit);
    return z;
}

struct Verlaufsordner {
    QTemporaryDir ordner;
    QString pfad = QDir(ordner.path()).filePath(Verlaufsdatenbank::Dateiname);

    QStringList dateien() const {
        return QDir(ordner.path()).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    }
};
