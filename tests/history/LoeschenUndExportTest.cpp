#include "Fensterbahn.h"

#include <QFile>

using Seite = VerlaufAnsicht::Seite;

namespace {
const QString Wartet = QStringLiteral("Das Rennen wartet noch darauf, in der Renndatenbank "
                                      "gespeichert zu werden, und lässt sich erst danach ");
}

TEST(Rennloeschung, LoeschenNurNachJaUndExportDesGezeigtenRennens) {
    Fensterbahn b;
    b.dialoge.fragenAntworten = {false, true};
    b.a();
    b.logik().loeschen();
    EXPECT_EQ(b.a().zeilen.size(), 2u) << "cancelled";
    b.logik().loeschen();
    ASSERT_EQ(b.dialoge.meldungen.size(), 2u);
    EXPECT_EQ(b.dialoge.meldungen[1].text,
              "Rennen 2 vom 02.05.2026 09:15 (Cleo – Bernd) löschen? Das lässt sich nicht "
              "rückgängig machen.");
    EXPECT_EQ(b.dialoge.meldungen[1].titel, "Rennverlauf");
    ASSERT_EQ(b.a().zeilen.size(), 1u);

    b.logik().oeffnen();
    EXPECT_EQ(b.a().seite, Seite::Rennen);
    EXPECT_EQ(b.logik().exportvorschlag(), QDir(b.ordner.path()).filePath("rennen-1.csv"));
    b.logik().exportieren(b.logik().exportvorschlag());
    EXPECT_EQ(b.a().hinweis,
              "Rennen 1 exportiert nach " + QDir::toNativeSeparators(b.logik().exportvorschlag()));
    EXPECT_TRUE(QFile::exists(b.logik().exportvorschlag()));

    b.logik().fahrerOeffnen(1);
    EXPECT_EQ(b.a().seite, Seite::Fahrer);
    b.dialoge.fragenAntworten = {true};
    b.logik().loeschen();
    EXPECT_EQ(b.dialoge.meldungen.back().text,
              "Alle Rennen von Anna löschen? Das lässt sich nicht rückgängig machen.");
    EXPECT_EQ(b.a().seite, Seite::Liste);
    EXPECT_TRUE(b.a().zeilen.empty());
    EXPECT_EQ(b.a().leertext, "Noch keine Rennen gespeichert.");
}

// A race the writer has not stored yet is listed first and can be exported, from its page as
// itself and from the list with all others, but not deleted: nothing is asked.
TEST(Rennloeschung, WartendesRennenWirdExportiertAberNichtGeloescht) {
    Fensterbahn b;
    const Rennaufzeichnung zoe = rennen(QStringLiteral("Zoe"), {3}, QStringLiteral("Bernd"), {4},
                                        QStringLiteral("2026-05-04T18:00:00+02:00"));
    b.wartende = [zoe] { return std::vector{zoe}; };
    ASSERT_EQ(b.a().zeilen.size(), 3u);
    ASSERT_TRUE(b.a().zeilen[0].wartet);
    b.logik().loeschen();
    ASSERT_EQ(b.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(b.dialoge.meldungen[0].text, Wartet + "löschen.");
    EXPECT_EQ(b.a().zeilen.size(), 3u);

    b.logik().exportieren(b.logik().exportvorschlag());
    EXPECT_TRUE(b.a().hinweis.endsWith(
        "Rennverlauf exportiert nach " +
        QDir::toNativeSeparators(QDir(b.ordner.path()).filePath("rennverlauf.csv"))));
    QFile alle(QDir(b.ordner.path()).filePath("rennverlauf.csv"));
    ASSERT_TRUE(alle.open(QIODevice::ReadOnly));
    EXPECT_TRUE(alle.readAll().contains("Zoe"));

    b.logik().oeffnen();
    ASSERT_EQ(b.a().seite, Seite::Rennen);
    EXPECT_EQ(b.a().ueberschrift, "Wartendes Rennen vom 04.05.2026 18:00");
    b.logik().loeschen();
    EXPECT_EQ(b.dialoge.meldungen.back().text, Wartet + "löschen.");
    EXPECT_EQ(b.dialoge.meldungen.size(), 2u);
    const QString pfad = b.logik().exportvorschlag();
    EXPECT_EQ(QFileInfo(pfad).fileName(), "rennen-wartend.csv");
    b.logik().exportieren(pfad);
    EXPECT_EQ(b.a().hinweis, "1 Rennen wartet noch darauf, in der Renndatenbank gespeichert zu "
                             "werden.\nWartendes Rennen exportiert nach " +
                                 QDir::toNativeSeparators(pfad));
    EXPECT_TRUE(QFile::exists(pfad));
}
