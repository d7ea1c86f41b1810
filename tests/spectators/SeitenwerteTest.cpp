#include "Seitenwerte.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

Zuschaueransicht beispiel() {
    Zuschaueransicht a;
    a.titel = QStringLiteral("Rennen – 3 Runden");
    a.spuren[1].name = QStringLiteral("<img src=x onerror=alert(1)> {{s2-name}}");
    a.spuren[2].name = QStringLiteral("Jürgen & Co");
    a.spuren[2].farbe = 0x00FFFF;
    a.spuren[1].farbe = 0xFFFFFF;
    a.spuren[1].namensgrund = 0x808000;
    a.abendtabelle = {
        {QStringLiteral("Marie"), {QStringLiteral("1"), QStringLiteral("Marie")}, false, 0x808000},
        {QStringLiteral("Otto"), {QStringLiteral("2"), QStringLiteral("Otto")}, true}};
    a.spuren[1].letzte = QStringLiteral("2,345 s");
    a.spuren[1].besteNeu = true;
    a.ampel[1] = Lampe::Rot;
    a.crash = true;
    a.alsNaechstes = {{QStringLiteral("Als Nächstes: ")},
                      {QStringLiteral("<b>Ida</b>"), true},
                      {QStringLiteral(" (Spur 1) – ")},
                      {QStringLiteral("Max"), true},
                      {QStringLiteral(" (Spur 2)")}};
    return a;
}
} // namespace

TEST(Seitenwerte, DieVorlageHatJedesElementUndDieErsteAntwortKeineMarkeMehr) {
    const QString seite = QString::fromUtf8(seiteFuellen(seitenvorlage(), beispiel()));
    for (const Seitenwert& w : seitenwerte(beispiel()))
        EXPECT_TRUE(seite.contains(QStringLiteral("id=\"%1\"").arg(w.id))) << w.id.toStdString();

    const QString name = QStringLiteral("&lt;img src=x onerror=alert(1)&gt; {{s2-name}}");
    EXPECT_TRUE(seite.contains(name)) << "a marker in a driver's name stays text";
    EXPECT_FALSE(QString(seite).remove(name).contains(
        QRegularExpression(QStringLiteral("\\{\\{[a-z0-9.-]+\\}\\}"))))
        << "every marker filled";
    EXPECT_FALSE(seite.contains(QStringLiteral("<img")));
    EXPECT_TRUE(seite.contains(QStringLiteral(">Jürgen &amp; Co</h2>")));
    EXPECT_TRUE(seite.contains(QStringLiteral("title=\"Jürgen &amp; Co\"")))
        << "the whole name where the page cuts it";
    EXPECT_TRUE(seite.contains(QStringLiteral("style=\"color:#ffff00;background-color:\"")));
    EXPECT_TRUE(seite.contains(
        QStringLiteral("data-z=\"schild\" style=\"color:#ffffff;background-color:#008080\"")))
        << "a name on its colour";
    EXPECT_TRUE(seite.contains(QStringLiteral(
        "<tr><td>1</td><td style=\"background-color:#008080;color:#ffffff\">Marie</td></tr>"
        "<tr class=\"aus\"><td>2</td><td>Otto</td></tr>")))
        << "a row's name on the driver's colour, none for one who left";
    EXPECT_TRUE(seite.contains(QStringLiteral("id=\"s1-beste\" data-z=\"neu\"")));
    EXPECT_TRUE(seite.contains(QStringLiteral("id=\"lampe1\" data-z=\"rot\"")));
    EXPECT_TRUE(seite.contains(QStringLiteral("id=\"crash\" data-z=\"an\">CRASH<")));
    EXPECT_TRUE(seite.contains(
        QStringLiteral("data-z=\"an\">Als Nächstes: <span class=\"name\" title=\"&lt;b&gt;Ida&lt;/"
                       "b&gt;\">&lt;b&gt;Ida&lt;/b&gt;</span> (Spur 1) – <span class=\"name\" "
                       "title=\"Max\">Max</span> (Spur 2)</p>")))
        << "the names in elements the page may cut";
}

TEST(Seitenwerte, JsonTraegtDieselbenWerte) {
    const QJsonObject json = QJsonDocument::fromJson(seitenJson(beispiel())).object();
    const QJsonObject texte = json.value(QStringLiteral("texte")).toObject();
    const QJsonObject klassen = json.value(QStringLiteral("klassen")).toObject();
    EXPECT_EQ(texte.value(QStringLiteral("s1-name")).toString(), beispiel().spuren[1].name);
    EXPECT_EQ(texte.value(QStringLiteral("s1-letzte")).toString(), "2,345 s");
    EXPECT_EQ(klassen.value(QStringLiteral("s1-beste")).toString(), "neu");
    EXPECT_EQ(klassen.value(QStringLiteral("s2-beste")).toString(), "");
    EXPECT_EQ(klassen.value(QStringLiteral("lampe1")).toString(), "rot");
    EXPECT_EQ(klassen.value(QStringLiteral("lampe2")).toString(), "aus");
    EXPECT_EQ(json.value(QStringLiteral("farben")).toObject().value(QStringLiteral("s2-name")),
              "#ffff00");
    const QJsonObject gruende = json.value(QStringLiteral("gruende")).toObject();
    EXPECT_EQ(gruende.value(QStringLiteral("s1-name")), "#008080");
    EXPECT_EQ(gruende.value(QStringLiteral("s2-name")), "") << "told to drop a plate of before";
    const QJsonArray zeilen =
        json.value(QStringLiteral("abend")).toObject().value(QStringLiteral("zeilen")).toArray();
    EXPECT_EQ(zeilen.at(0).toObject().value(QStringLiteral("schrift")), "#ffffff");
    EXPECT_FALSE(zeilen.at(1).toObject().contains(QStringLiteral("farbe")));
    EXPECT_EQ(texte.size(), static_cast<qsizetype>(seitenwerte(beispiel()).size()));
    EXPECT_EQ(texte.value(QStringLiteral("naechste")).toString(),
              "Als Nächstes: <b>Ida</b> (Spur 1) – Max (Spur 2)");
    const QJsonObject teile = json.value(QStringLiteral("teile")).toObject();
    EXPECT_EQ(teile.value(QStringLiteral("abendstand")).toArray().size(), 0)
        << "a line with nothing to show is emptied";
    EXPECT_EQ(teile.value(QStringLiteral("naechste")).toArray().at(3).toObject(),
              (QJsonObject{{QStringLiteral("text"), QStringLiteral("Max")},
                           {QStringLiteral("name"), true}}));
}
