#include "Tabelle.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
Tabelle standings() {
    return {QStringLiteral("Rennabend"),
            QStringLiteral("Rennabend – Saison 2026"),
            QStringLiteral("Rotation (einzelne Läufe)"),
            {QStringLiteral("Platz"), QStringLiteral("Fahrer"), QStringLiteral("Punkte")},
            {{QStringLiteral("1"), QStringLiteral("<b>Anna</b> & \"Co\""), QStringLiteral("3")},
             {QStringLiteral("2"), QStringLiteral("=1+2"), QStringLiteral("0")}}};
}
} // namespace

// A driver's name prints as typed: markup in it is text, not bold print or a broken table.
TEST(Tabelle, DruckZeigtNamenWieGetippt) {
    EXPECT_EQ(tabelleAlsHtml(standings()).toStdString(),
              "<h1>Rennabend – Saison 2026</h1><p>Rotation (einzelne Läufe)</p>"
              "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">"
              "<thead><tr><th>Platz</th><th>Fahrer</th><th>Punkte</th></tr></thead><tbody>"
              "<tr><td>1</td><td>&lt;b&gt;Anna&lt;/b&gt; &amp; &quot;Co&quot;</td><td>3</td></tr>"
              "<tr><td>2</td><td>=1+2</td><td>0</td></tr></tbody></table>");
}

// The file the racer chose gets the table, or the racer is told it could not: a CSV into a
// folder that is not there leaves nothing behind, a PDF the printer could not write says so
// as well.
TEST(Tabelle, SchreibenGelingtOderNenntDieDatei) {
    QTemporaryDir ordner;
    const QString csv = ordner.filePath(QStringLiteral("rennabend.csv"));
    int gedruckt = 0;
    const Pdfdruck nichtGebraucht = [&](const QString&, const QString&, const QString&) {
        ++gedruckt;
        return true;
    };
    EXPECT_EQ(tabelleSchreiben(csv, standings(), Tabellenformat::Csv, nichtGebraucht),
              std::nullopt);
    QFile datei(csv);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_EQ(datei.readAll(), "\xEF\xBB\xBFPlatz;Fahrer;Punkte\r\n"
                               "1;\"<b>Anna</b> & \"\"Co\"\"\";3\r\n"
                               "2;'=1+2;0\r\n");
    EXPECT_EQ(gedruckt, 0);

    const QString fehlt = ordner.filePath(QStringLiteral("fehlt/rennabend.csv"));
    EXPECT_EQ(tabelleSchreiben(fehlt, standings(), Tabellenformat::Csv, nichtGebraucht),
              QStringLiteral("Die Datei kann nicht geschrieben werden: ") + fehlt);
    EXPECT_TRUE(QDir(ordner.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries) ==
                QStringList{QStringLiteral("rennabend.csv")});

    QString titel, html;
    const Pdfdruck scheitert = [&](const QString&, const QString& t, const QString& h) {
        titel = t;
        html = h;
        return false;
    };
    const QString pdf = ordner.filePath(QStringLiteral("rennabend.pdf"));
    EXPECT_EQ(tabelleSchreiben(pdf, standings(), Tabellenformat::Pdf, scheitert),
              QStringLiteral("Die Datei kann nicht geschrieben werden: ") + pdf);
    EXPECT_EQ(titel, QStringLiteral("Rennabend"));
    EXPECT_EQ(html, tabelleAlsHtml(standings()));
}
