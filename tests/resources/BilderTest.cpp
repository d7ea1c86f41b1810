#include "Bilddateien.h"
#include "QtAusgabe.h"
#include "Rendern.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {

// Share of the picture's pixels that are not fully transparent.
double deckung(const QImage& bild) {
    int sichtbar = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            sichtbar += qAlpha(bild.pixel(x, y)) > 0;
    return double(sichtbar) / (bild.width() * bild.height());
}

double unterschied(const QImage& a, const QImage& b) {
    int anders = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            anders += a.pixel(x, y) != b.pixel(x, y);
    return double(anders) / (a.width() * a.height());
}

// Summed colour of the bright, strongly coloured pixels: the lit part of a lamp.
struct Leuchtfarbe {
    long rot = 0, gruen = 0, blau = 0;
    int pixel = 0;
};

Leuchtfarbe leuchtfarbe(const QImage& bild) {
    Leuchtfarbe f;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x) {
            const QColor c = QColor::fromRgba(bild.pixel(x, y));
            if (c.alpha() < 250 || c.value() < 180 || c.hsvSaturation() < 120)
                continue;
            f.rot += c.red();
            f.gruen += c.green();
            f.blau += c.blue();
            ++f.pixel;
        }
    return f;
}

// How far the white arrow reaches from the centre of the disc, left, right and up: its
// head reaches furthest in the direction it points.
struct Reichweite {
    int links = 0, rechts = 0, oben = 0;
};

Reichweite reichweite(const QImage& bild) {
    QRect weiss;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (QColor::fromRgba(bild.pixel(x, y)).lightness() > 230)
                weiss |= QRect(x, y, 1, 1);
    const QPoint mitte(bild.width() / 2, bild.height() / 2);
    return {mitte.x() - weiss.left(), weiss.right() + 1 - mitte.x(), mitte.y() - weiss.top()};
}

// Elements outside the part of SVG that Qt draws; Qt skips them without a word, so a
// picture edited elsewhere (blur, clip path, pattern) would look different in the program.
QStringList fremdeElemente(const QString& datei) {
    static const QStringList gezeichnet{
        "svg",    "defs",    "g",    "linearGradient", "radialGradient", "stop", "rect",
        "circle", "ellipse", "path", "polygon",        "polyline",       "line"};
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return {datei};
    QStringList fremd;
    QXmlStreamReader xml(&f);
    while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd())
        if (xml.isStartElement() && !gezeichnet.contains(xml.name().toString()))
            fremd << xml.name().toString();
    if (xml.hasError())
        fremd << xml.errorString();
    return fremd;
}

const Lampe alleLampen[] = {Lampe::Gruen, Lampe::Aus, Lampe::Rot, Lampe::Gelb};
const Lampensatz beideSaetze[] = {Lampensatz::Ampel, Lampensatz::Kreis};

} // namespace

TEST(Bilder, DieFensterFindenJedesBildUnterSeinemNamen) {
    QStringList erwartet{"hintergrund.svg", "symbol.svg", "pokal.svg", "warnschild.svg",
                         "lineale.svg"};
    for (const Lampensatz satz : beideSaetze)
        for (const Lampe lampe : alleLampen)
            erwartet << QFileInfo(bilddatei(Lampenbild{satz, lampe})).fileName();
    for (const Pfeil pfeil : {Pfeil::Geradeaus, Pfeil::Links, Pfeil::Rechts})
        erwartet << QFileInfo(bilddatei(pfeil)).fileName();
    erwartet.sort();

    EXPECT_EQ(erwartet.removeDuplicates(), 0) << "two meanings share one picture";
    EXPECT_EQ(QDir(QStringLiteral(":/bilder")).entryList(QDir::Files, QDir::Name), erwartet);
}

TEST(Bilder, JedesBildIstSauberesSvgUndZeigtEtwasInSeinerGroesse) {
    const QStringList dateien = QDir(QStringLiteral(":/bilder")).entryList(QDir::Files);
    ASSERT_FALSE(dateien.isEmpty()) << "the resources are not linked into the program";
    for (const QString& name : dateien) {
        SCOPED_TRACE(name.toStdString());
        const GerendertesBild b = rendern(QStringLiteral(":/bilder/") + name);
        ASSERT_TRUE(b.gueltig);
        EXPECT_EQ(b.warnungen, QStringList());
        EXPECT_EQ(fremdeElemente(QStringLiteral(":/bilder/") + name), QStringList());
        EXPECT_EQ(b.groesse, name == "hintergrund.svg" ? QSize(750, 480) : QSize(32, 32));
        EXPECT_GT(deckung(b.bild), 0.25);
    }
}

TEST(Lampenbilder, JederPlatzUnterscheidetSichZwischenDenSaetzenUndInnerhalbEinesSatzes) {
    for (const Lampe lampe : alleLampen) {
        const QImage ampel = rendern(bilddatei(Lampenbild{Lampensatz::Ampel, lampe})).bild;
        const QImage kreis = rendern(bilddatei(Lampenbild{Lampensatz::Kreis, lampe})).bild;
        EXPECT_GT(unterschied(ampel, kreis), 0.05);
    }
    for (const Lampensatz satz : beideSaetze)
        for (const Lampe a : alleLampen)
            for (const Lampe b : alleLampen) {
                if (a == b)
                    continue;
                const QImage bildA = rendern(bilddatei(Lampenbild{satz, a})).bild;
                const QImage bildB = rendern(bilddatei(Lampenbild{satz, b})).bild;
                EXPECT_GT(unterschied(bildA, bildB), 0.02)
                    << int(satz) << ": " << int(a) << " / " << int(b);
            }
}

TEST(Lampenbilder, LeuchtenInDerFarbeIhresPlatzesUndAusBleibtDunkel) {
    for (const Lampensatz satz : beideSaetze) {
        SCOPED_TRACE(int(satz));
        const Leuchtfarbe aus = leuchtfarbe(rendern(bilddatei(Lampenbild{satz, Lampe::Aus})).bild);
        EXPECT_LT(aus.pixel, 5);

        const Leuchtfarbe rot = leuchtfarbe(rendern(bilddatei(Lampenbild{satz, Lampe::Rot})).bild);
        ASSERT_GT(rot.pixel, 20);
        EXPECT_GT(rot.rot, 2 * rot.gruen);
        EXPECT_GT(rot.rot, 2 * rot.blau);

        const Leuchtfarbe gruen =
            leuchtfarbe(rendern(bilddatei(Lampenbild{satz, Lampe::Gruen})).bild);
        ASSERT_GT(gruen.pixel, 20);
        EXPECT_GT(gruen.gruen, 2 * gruen.rot);
        EXPECT_GT(gruen.gruen, 2 * gruen.blau);

        const Leuchtfarbe gelb =
            leuchtfarbe(rendern(bilddatei(Lampenbild{satz, Lampe::Gelb})).bild);
        ASSERT_GT(gelb.pixel, 20);
        EXPECT_GT(gelb.rot, 2 * gelb.blau);
        EXPECT_GT(gelb.gruen, 2 * gelb.blau);
        EXPECT_GT(gelb.gruen * 2, gelb.rot) << "amber, not red";
    }
}

TEST(Pfeilbilder, ZeigenGeradeausNachLinksUndNachRechts) {
    const Reichweite gerade = reichweite(rendern(bilddatei(Pfeil::Geradeaus)).bild);
    EXPECT_NEAR(gerade.links, gerade.rechts, 1);
    EXPECT_GT(gerade.oben, gerade.links + 2);

    const Reichweite links = reichweite(rendern(bilddatei(Pfeil::Links)).bild);
    EXPECT_GT(links.links, links.rechts + 3);

    const Reichweite rechts = reichweite(rendern(bilddatei(Pfeil::Rechts)).bild);
    EXPECT_GT(rechts.rechts, rechts.links + 3);
}
