#include "Rennabendzeile.h"

#include "Abendfahrer.h"
#include "Rennabendexport.h"

#include <QJsonObject>
#include <gtest/gtest.h>

namespace {
// A night of four drivers on four lanes whose plan has a free lane, as a night is written.
Rennabend vierspurabend() {
    Rennabend a;
    a.schluessel = QStringLiteral("abend-4");
    a.beginn = QDateTime(QDate(2026, 3, 6), QTime(19, 30));
    a.teilnehmer = teilnehmerMitFarben({A, B, C, D});
    a.regeln.format = Rennabendformat::Spurrotation;
    a.regeln.wertung = Abendwertung::Gesamtrunden;
    a.rennformat = Abendrennformat{};
    a.plan = rennplan({A, B, C, D}, Rennabendformat::Spurrotation, 4);
    a.plan[1] = Paarung::aus(Laufbelegung::fuer(4));
    a.plan[1].spur1 = D;
    a.plan[1].weitere = QStringList{A, QString()};
    return a;
}
} // namespace

// A plan over four lanes is kept with a driver per lane, "" for a free one, and reads back
// whole; a row written before nights had more lanes, its final's entry included, reads as it
// always did; an entry of another lane count or with a driver on two lanes marks the night
// damaged.
TEST(Rennabendzeile, PlanJeSpurUndZweispurigeZeilenVonFrueher) {
    const Rennabend vorher = vierspurabend();
    Rennabendzeile zeile = rennabendzeile(vorher);
    EXPECT_TRUE(zeile.plan.toString().contains(QStringLiteral("[\"Dieter\",\"\",\"Anna\",\"\"]")))
        << zeile.plan.toString().toStdString();
    GespeicherterRennabend gelesen = abendAusZeile(zeile);
    EXPECT_EQ(gelesen.beschaedigt, std::nullopt) << gelesen.beschaedigt->toStdString();
    EXPECT_EQ(gelesen.abend.plan, vorher.plan);
    EXPECT_EQ(gelesen.abend.spurenzahl(), 4);

    Rennabend zweispurig = vorher;
    zweispurig.plan.clear();
    zweispurig.regeln.format = Rennabendformat::Rotation;
    zeile = rennabendzeile(zweispurig);
    zeile.plan =
        QStringLiteral("[[\"Anna\",\"Bert\"],[\"Carla\",\"Dieter\"],[\"Bert\",\"Anna\",true]]");
    gelesen = abendAusZeile(zeile);
    EXPECT_EQ(gelesen.beschaedigt, std::nullopt) << gelesen.beschaedigt->toStdString();
    EXPECT_EQ(gelesen.abend.plan, (Rennplan{{A, B}, {C, D}, {B, A, true}}));
    EXPECT_EQ(gelesen.abend.spurenzahl(), 2);
    EXPECT_EQ(rennabendzeile(gelesen.abend).plan, zeile.plan) << "written back as it was";

    zeile = rennabendzeile(vorher);
    zeile.plan =
        QStringLiteral("[[\"Anna\",\"Bert\",\"Carla\",\"Dieter\"],[\"Anna\",\"Bert\",\"Carla\"]]");
    gelesen = abendAusZeile(zeile);
    ASSERT_TRUE(gelesen.beschaedigt);
    EXPECT_EQ(*gelesen.beschaedigt,
              QStringLiteral("Lauf 2 seines Plans hat 3 Spuren, der Plan davor 4."));
    zeile.plan = QStringLiteral("[[\"Anna\",\"\",\"anna\",\"Dieter\"]]");
    gelesen = abendAusZeile(zeile);
    ASSERT_TRUE(gelesen.beschaedigt);
    EXPECT_EQ(*gelesen.beschaedigt,
              QStringLiteral("Lauf 1 seines Plans lässt „Anna“ gegen sich selbst fahren."));
}

// The export names each Lauf's drivers lane by lane, null for a free lane, with the night's
// lane count; spur1 and spur2 stay for readers of two-lane nights.
TEST(Rennabendzeile, ExportNenntJedeSpur) {
    GespeicherterRennabend g;
    g.abend = vierspurabend();
    const QJsonObject abend = rennabendeAlsJson({g})[0].toObject();
    EXPECT_EQ(abend[QStringLiteral("spurenzahl")].toInt(), 4);
    const QJsonObject zweiter = abend[QStringLiteral("plan")].toArray()[1].toObject();
    EXPECT_EQ(zweiter[QStringLiteral("spuren")].toArray(),
              (QJsonArray{D, QJsonValue(), A, QJsonValue()}));
    EXPECT_EQ(zweiter[QStringLiteral("spur1")].toString(), D);
    EXPECT_EQ(zweiter[QStringLiteral("spur2")].toString(), QString());
}
