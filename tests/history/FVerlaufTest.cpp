#include "FVerlauf.h"

#include "Fakes.h"
#include "Namenspaarfeld.h"
#include "QtAusgabe.h"
#include "Verlaufsspeicher.h"
#include "Verlaufstest.h"

#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QStackedWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

namespace {
// Two races stored before the window opens, and any others after them.
struct ZweiRennen : Verlaufsordner {
    explicit ZweiRennen(const std::vector<Rennaufzeichnung>& weitere) {
        EXPECT_TRUE(db.vorbereiten().beschreibbar);
        for (const auto& [a, b] : {std::pair{"Anna", "Bernd"}, {"Cleo", "Bernd"}})
            EXPECT_EQ(Verlaufsspeicher(db).speichern(
                          rennen(QString::fromUtf8(a), {3, 2.5}, QString::fromUtf8(b), {4, 4})),
                      std::nullopt);
        for (const Rennaufzeichnung& r : weitere)
            EXPECT_EQ(Verlaufsspeicher(db).speichern(r), std::nullopt);
    }
    Verlaufsdatenbank db{pfad};
};

struct Fensterprobe : ZweiRennen {
    explicit Fensterprobe(Massstab zoom = {}, const std::vector<Rennaufzeichnung>& weitere = {})
        : ZweiRennen(weitere), massstab(zoom) {
        fenster.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&fenster));
        beantwortet();
    }
    // What the key asked of the database is shown.
    void taste(int taste, Qt::KeyboardModifiers umschaltung = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &fenster,
                        static_cast<Qt::Key>(taste), umschaltung);
        beantwortet();
    }
    // Also what an answer asked again (a delete reloads the list).
    void beantwortet() {
        for (int i = 0; i < 2; ++i) {
            leser.abwarten();
            QCoreApplication::processEvents();
        }
    }
    template <typename T> T* teil(const QString& name = {}) { return fenster.findChild<T*>(name); }
    int seite() { return teil<QStackedWidget>()->currentIndex(); }
    QString text(const QString& name) { return teil<QLabel>(name)->text(); }

    FakeDialoge dialoge;
    Verlaufsleser leser{pfad};
    VerlaufLogik logik{leser, dialoge, ordner.path()};
    QStringList gefragt;
    Massstab massstab;
    FVerlauf fenster{logik, nullptr, massstab, [this](QWidget*, const QString& vorschlag) {
                         gefragt << vorschlag;
                         return vorschlag;
                     }};
};
} // namespace

TEST(FVerlauf, TastenFuehrenVonDerListeZumRennenZumFahrerUndZurueck) {
    Fensterprobe p;
    QTableView* liste = p.teil<QTableView>(QStringLiteral("liste"));
    EXPECT_EQ(p.fenster.windowTitle(), "Rennverlauf");
    EXPECT_EQ(liste->model()->rowCount(), 2);
    EXPECT_TRUE(liste->hasFocus()) << "the list takes the keys";

    QTest::keyClicks(liste, QStringLiteral("cl"));
    EXPECT_EQ(p.teil<QLineEdit>(QStringLiteral("filter"))->text(), "cl");
    ASSERT_EQ(liste->model()->rowCount(), 1);
    EXPECT_EQ(liste->model()->index(0, 3).data().toString(), "Cleo – Bernd");
    p.taste(Qt::Key_Backspace);
    p.taste(Qt::Key_Backspace);
    EXPECT_EQ(liste->model()->rowCount(), 2);

    p.taste(Qt::Key_Down);
    p.taste(Qt::Key_Return);
    ASSERT_EQ(p.seite(), 1);
    EXPECT_EQ(p.text(QStringLiteral("ueberschrift")), "Rennen 1 vom 01.05.2026 14:03");
    QChart* chart = p.teil<QChartView>()->chart();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->series().size(), 3) << "two lanes and their best laps";

    p.taste(Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(p.text(QStringLiteral("ueberschrift")), "Bernd");
    EXPECT_NE(p.teil<QChartView>()->chart(), chart) << "the driver's own chart";

    p.taste(Qt::Key_E, Qt::ControlModifier);
    EXPECT_EQ(p.gefragt, QStringList{QDir(p.ordner.path()).filePath("rennverlauf.csv")});
    EXPECT_TRUE(QFile::exists(p.gefragt.value(0)));

    p.taste(Qt::Key_Escape);
    p.taste(Qt::Key_Escape);
    EXPECT_EQ(p.seite(), 0);
    EXPECT_TRUE(p.fenster.isVisible());
    p.dialoge.fragenAntworten = {true};
    p.taste(Qt::Key_Delete);
    EXPECT_EQ(liste->model()->rowCount(), 1) << "the race chosen before is gone";
    EXPECT_EQ(liste->model()->index(0, 3).data().toString(), "Cleo – Bernd");
    p.taste(Qt::Key_Escape);
    EXPECT_FALSE(p.fenster.isVisible());
}

// A race of four lanes: every driver in the list, a line per lane in its colour, and the
// driver of lane 4 a key away, as the key line says; a two-lane race's says two keys.
TEST(FVerlauf, EinRennenAufVierSpurenZeigtJedeSpur) {
    Rennaufzeichnung vier =
        rennen(QStringLiteral("Anna"), {3, 2.5}, QStringLiteral("Bernd"), {4, 4});
    auto spuren = Spuren<Spurfahrt>::fuer(4);
    const QStringList namen{QStringLiteral("Anna"), QStringLiteral("Bernd"), QStringLiteral("Cleo"),
                            QStringLiteral("Dora")};
    const Farbe farben[] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF};
    for (int spur = 1; spur <= 4; ++spur)
        spuren[spur] = fahrt(namen[spur - 1], {3, 2.5 + spur}, true, farben[spur - 1]);
    vier.laeufe = {spuren};
    Fensterprobe p({}, {vier});
    QTableView* liste = p.teil<QTableView>(QStringLiteral("liste"));
    ASSERT_EQ(liste->model()->rowCount(), 3);
    EXPECT_EQ(liste->model()->index(0, 3).data().toString(), "Anna – Bernd – Cleo – Dora");
    const QString vierTasten = QStringLiteral("Strg+1 … Strg+4: Fahrer");
    EXPECT_TRUE(p.text(QStringLiteral("tasten")).contains(vierTasten));
    p.taste(Qt::Key_Down);
    EXPECT_TRUE(p.text(QStringLiteral("tasten"))
                    .contains(QStringLiteral("Enter: Rennen öffnen   Strg+1 / Strg+2: Fahrer   "
                                             "Entf: löschen")));
    p.taste(Qt::Key_Up);

    p.taste(Qt::Key_Return);
    ASSERT_EQ(p.seite(), 1);
    std::vector<QColor> linien;
    for (QAbstractSeries* serie : p.teil<QChartView>()->chart()->series())
        if (auto* linie = qobject_cast<QLineSeries*>(serie))
            linien.push_back(linie->pen().color());
    EXPECT_EQ(linien, (std::vector<QColor>{Qt::red, Qt::green, Qt::blue, Qt::yellow}))
        << "0x00BBGGRR";
    EXPECT_TRUE(p.text(QStringLiteral("tasten")).startsWith(vierTasten + "   K: korrigieren"));
    p.taste(Qt::Key_4, Qt::ControlModifier);
    EXPECT_EQ(p.text(QStringLiteral("ueberschrift")), "Dora");
    p.taste(Qt::Key_Escape);
    p.taste(Qt::Key_5, Qt::ControlModifier);
    EXPECT_EQ(p.seite(), 1) << "no lane 5, no driver";
}

TEST(FVerlauf, DasDiagrammZeigtDenLetztenPunktGanz) {
    Fensterprobe p;
    p.taste(Qt::Key_Return);
    ASSERT_EQ(p.seite(), 1);
    QChart* chart = p.teil<QChartView>()->chart();
    QApplication::processEvents();
    for (QAbstractSeries* serie : chart->series()) {
        auto* linie = qobject_cast<QLineSeries*>(serie);
        if (!linie || linie->points().isEmpty())
            continue;
        const double rand = linie->markerSize() / 2;
        const QRectF innen = chart->plotArea().adjusted(rand, rand, -rand, -rand);
        for (const QPointF& punkt : {linie->points().front(), linie->points().back()})
            EXPECT_TRUE(innen.contains(chart->mapToPosition(punkt, linie)))
                << linie->name().toStdString() << " at lap " << punkt.x();
    }
}

TEST(FVerlauf, DieListeZeigtBeideFahrerAuchMitLangenNamen) {
    Fensterprobe p;
    QTableView* liste = p.teil<QTableView>(QStringLiteral("liste"));
    ASSERT_NE(dynamic_cast<Namenspaarfeld*>(liste->itemDelegateForColumn(3)), nullptr);

    const QFontMetrics masse(liste->font());
    const QString lang = QStringLiteral("Maximilian-Alexander von Hohenberg-Südwestfalen");
    const int breite = masse.horizontalAdvance(QStringLiteral("Maximilian – Bernd")) + 20;
    const QString einer = namenspaar(lang, QStringLiteral("Bernd"), masse, breite);
    const QString beide = namenspaar(lang, lang, masse, breite);
    EXPECT_TRUE(einer.startsWith("Maxim") && einer.endsWith("… – Bernd")) << einer.toStdString();
    EXPECT_EQ(beide.count(QStringLiteral("Maxim")), 2) << beide.toStdString();
    EXPECT_LE(std::max(masse.horizontalAdvance(einer), masse.horizontalAdvance(beide)), breite);
}

// At the main window's zoom every text of the window grows with it: those that inherit the
// window's font, those the window sets a size of its own, the list's heading and the chart's,
// whose theme chooses its fonts itself.
TEST(FVerlauf, BeimZoomWachsenAlleTexteMit) {
    Fensterprobe entworfen;
    Fensterprobe gezoomt(Massstab(300));
    for (Fensterprobe* p : {&entworfen, &gezoomt}) {
        // To this window, whichever has the focus.
        QTest::keyClick(p->teil<QTableView>(QStringLiteral("liste")), Qt::Key_Return);
        p->beantwortet();
        ASSERT_EQ(p->seite(), 1);
        ASSERT_EQ(p->teil<QChartView>()->chart()->axes().size(), 2);
    }
    const auto groessen = [](Fensterprobe& p) {
        const auto* liste = p.teil<QTableView>(QStringLiteral("liste"));
        const QChart* chart = p.teil<QChartView>()->chart();
        return std::vector<double>{
            QFontInfo(liste->font()).pointSizeF(),
            QFontInfo(liste->horizontalHeader()->font()).pointSizeF(),
            QFontInfo(p.teil<QLabel>(QStringLiteral("ueberschrift"))->font()).pointSizeF(),
            QFontInfo(p.teil<QLabel>(QStringLiteral("angaben"))->font()).pointSizeF(),
            QFontInfo(chart->titleFont()).pointSizeF(),
            QFontInfo(chart->legend()->font()).pointSizeF(),
            QFontInfo(chart->axes(Qt::Horizontal).value(0)->labelsFont()).pointSizeF(),
            QFontInfo(chart->axes(Qt::Vertical).value(0)->titleFont()).pointSizeF()};
    };
    const std::vector<double> klein = groessen(entworfen);
    const std::vector<double> gross = groessen(gezoomt);
    for (std::size_t i = 0; i < klein.size(); ++i)
        EXPECT_NEAR(gross[i] / klein[i], 3, 0.1) << "text " << i;
    EXPECT_EQ(gezoomt.teil<QTableView>(QStringLiteral("liste"))->columnWidth(3),
              3 * entworfen.teil<QTableView>(QStringLiteral("liste"))->columnWidth(3));
}

// A season with classes: each class's table under a bold heading across the columns, and S
// asks for the season's drop rounds.
TEST(FVerlauf, SaisonZeigtJedeKlasseUnterIhrerUeberschrift) {
    ZweiRennen rennen({});
    FakeDialoge dialoge;
    Verlaufsleser leser{rennen.pfad};
    const QStringList kopf{"Platz", "Fahrer", "Klasse", "09.12.", "Gesamt", "Wertung"};
    VerlaufLogik logik{
        leser, dialoge, rennen.ordner.path(), {}, {}, [&](Verlaufsdatenbank&, QString&) {
            return std::vector<Saisonwertung>{
                {"Winter",
                 1,
                 kopf,
                 {{"1", "Anna", "GT", "10", "10", "10"}, {"2", "Bernd", "Junior", "8", "8", "8"}},
                 0,
                 {{"GT", {{"1", "Anna", "GT", "10", "10", "10"}}},
                  {"Junior", {{"1", "Bernd", "Junior", "8", "8", "8"}}}}}};
        }};
    FVerlauf fenster{logik, nullptr, {}};
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    const auto beantwortet = [&] {
        for (int i = 0; i < 2; ++i) {
            leser.abwarten();
            QCoreApplication::processEvents();
        }
    };
    beantwortet();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    beantwortet();
    auto* tabelle = fenster.findChild<QTableWidget*>(QStringLiteral("tabelle"));
    ASSERT_TRUE(tabelle->isVisible());
    ASSERT_EQ(tabelle->rowCount(), 6);
    for (int zeile : {2, 4}) {
        EXPECT_EQ(tabelle->columnSpan(zeile, 0), kopf.size()) << zeile;
        EXPECT_TRUE(tabelle->item(zeile, 0)->font().bold());
    }
    EXPECT_EQ(tabelle->item(2, 0)->text(), "Klasse GT");
    EXPECT_EQ(tabelle->item(5, 1)->text(), "Bernd");
    EXPECT_EQ(tabelle->columnSpan(3, 0), 1);
    if (const QString bild = qEnvironmentVariable("SAISONBILD"); !bild.isEmpty())
        fenster.grab().save(bild);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S);
    ASSERT_EQ(dialoge.eingaben.size(), 1u);
    EXPECT_TRUE(dialoge.eingaben[0].text.contains("Saison Winter"));
}
