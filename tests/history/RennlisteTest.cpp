#include "Fensterbahn.h"

#include <QSqlQuery>

using Seite = VerlaufAnsicht::Seite;

TEST(Rennliste, ListeNeuesteZuerstMitFilterNachFahrer) {
    Fensterbahn b;
    EXPECT_EQ(b.a().seite, Seite::Liste);
    EXPECT_EQ(b.spalte(&Rennzeile::datum), (QStringList{"02.05.2026 09:15", "30.04.2026 20:00"}));
    EXPECT_EQ(b.spalte(&Rennzeile::fahrer), (QStringList{"Cleo – Bernd", "Anna – Bernd"}));
    EXPECT_EQ(b.spalte(&Rennzeile::sieger), (QStringList{"abgebrochen", "Anna"}));
    EXPECT_EQ(b.spalte(&Rennzeile::besteRunde), (QStringList{"2,400 s Cleo", "2,500 s Anna"}));
    EXPECT_EQ(b.a().auswahl, 0);

    b.logik().filterSetzen(QStringLiteral("aNn"));
    EXPECT_EQ(b.spalte(&Rennzeile::fahrer), QStringList{"Anna – Bernd"});
    b.logik().filterSetzen(QStringLiteral("Zoe"));
    EXPECT_TRUE(b.a().zeilen.empty());
    EXPECT_EQ(b.a().auswahl, -1);
    EXPECT_EQ(b.a().leertext, "Kein Rennen mit einem Fahrer „Zoe“.");
    b.logik().oeffnen(); // nothing chosen: nothing happens
    EXPECT_EQ(b.a().seite, Seite::Liste);
    EXPECT_TRUE(b.logik().zurueck()) << "Esc clears the filter first";
    EXPECT_EQ(b.a().zeilen.size(), 2u);
    EXPECT_FALSE(b.logik().zurueck()) << "then closes";
}

TEST(Rennliste, NeuereDatenbankWirdNurGezeigtUndKeineDatenbankIstEineLeereListe) {
    Fensterbahn b;
    {
        Verlaufsdatenbank db(b.pfad);
        ASSERT_TRUE(db.vorbereiten().beschreibbar);
        QSqlQuery(db.db()).exec(
            QStringLiteral("PRAGMA user_version = %1").arg(Verlaufsdatenbank::Version + 1));
    }
    b.dialoge.fragenAntworten = {true};
    b.a();
    b.logik().loeschen();
    EXPECT_EQ(b.a().zeilen.size(), 2u);
    EXPECT_TRUE(b.a().hinweis.startsWith("Die Renndatenbank stammt aus einer neueren Version"));
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.dialoge.meldungen[0].text, "Die Renndatenbank stammt aus einer neueren Version "
                                           "von Rundomat und wird nicht verändert.");

    Verlaufsordner leer;
    Verlaufsleser keine(leer.pfad);
    VerlaufLogik logik(keine, b.dialoge, leer.ordner.path());
    keine.abwarten();
    QCoreApplication::processEvents();
    EXPECT_TRUE(logik.ansicht().zeilen.empty());
    EXPECT_EQ(logik.ansicht().leertext, "Noch keine Rennen gespeichert.");
    EXPECT_TRUE(logik.ansicht().hinweis.isEmpty());
    EXPECT_TRUE(leer.dateien().isEmpty()) << "looking creates no database";
}
