// Shared by the tests of the history window's logic: a database with two races, the logic
// over it, and its view state once the database has answered.
#pragma once

#include "Fakes.h"
#include "VerlaufLogik.h"
#include "Verlaufsspeicher.h"
#include "Verlaufstest.h"

#include <QCoreApplication>

struct Fensterbahn : Verlaufsordner {
    // Race 1, Anna beats Bernd; race 2, stopped, Cleo and Bernd.
    Fensterbahn() {
        Verlaufsdatenbank db(pfad);
        EXPECT_TRUE(db.vorbereiten().beschreibbar);
        Rennaufzeichnung eins = rennen(QStringLiteral("Anna"), {3, 2.5}, QStringLiteral("Bernd"),
                                       {4, 4}, QStringLiteral("2026-04-30T20:00:00+02:00"));
        eins.laeufe[0][2].runden[1].vonHand = true;
        eins.laeufe[0][2].farbe = 0x00FFFF;
        Rennaufzeichnung zwei = rennen(QStringLiteral("Cleo"), {2.4}, QStringLiteral("Bernd"), {3},
                                       QStringLiteral("2026-05-02T09:15:00+02:00"));
        zwei.sieger.reset();
        zwei.abgebrochen = true;
        for (const Rennaufzeichnung* r : {&eins, &zwei})
            EXPECT_EQ(Verlaufsspeicher(db).speichern(*r), std::nullopt);
    }
    void speichern(const Rennaufzeichnung& r) {
        Verlaufsdatenbank db(pfad);
        ASSERT_TRUE(db.vorbereiten().beschreibbar);
        ASSERT_EQ(Verlaufsspeicher(db).speichern(r), std::nullopt);
    }
    // Made at the first use, with the sources set until then.
    VerlaufLogik& logik() {
        if (!m_logik)
            m_logik.emplace(leser, dialoge, ordner.path(), wartende, ergebnisdatei, saisons);
        return *m_logik;
    }
    // The view state once the database has answered, and answered what an answer asked
    // again (a delete reloads the list).
    const VerlaufAnsicht& a() {
        logik();
        for (int i = 0; i < 2; ++i) {
            leser.abwarten();
            QCoreApplication::processEvents();
        }
        return logik().ansicht();
    }
    QStringList spalte(QString Rennzeile::*feld) {
        QStringList texte;
        for (const Rennzeile& z : a().zeilen)
            texte << z.*feld;
        return texte;
    }
    // The race as the database now holds it.
    std::optional<Rennaufzeichnung> gespeichert(qint64 nummer) {
        Verlaufsdatenbank db(pfad);
        EXPECT_TRUE(db.vorbereiten().beschreibbar);
        return Verlaufsabfragen(db).rennen(nummer);
    }

    FakeDialoge dialoge;
    Verlaufsleser leser{pfad};
    VerlaufLogik::Wartende wartende;
    VerlaufLogik::Ergebnisdatei ergebnisdatei;
    VerlaufLogik::Saisonquelle saisons;

private:
    std::optional<VerlaufLogik> m_logik;
};
