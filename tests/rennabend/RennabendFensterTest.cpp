#include "RennabendFenster.h"

#include "Rennbahn.h"
#include "Verlaufstest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

namespace {
struct Abendfenster {
    explicit Abendfenster(int fahrerzahl) {
        QStringList fahrer;
        for (int i = 1; i <= fahrerzahl; ++i)
            fahrer << QStringLiteral("Fahrer %1").arg(i, 2, 10, QLatin1Char('0'));
        leiter.beginnen(fahrer, Rennabendregeln{});
        fenster.darstellen();
        fenster.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    }
    // The rows of the standings the window shows whole, without scrolling.
    int sichtbareZeilen() const {
        QApplication::processEvents(); // a window grown lays out its contents anew
        const auto* tabelle = fenster.findChild<QTableWidget*>(QStringLiteral("tabelle"));
        int n = 0;
        for (int zeile = 0; zeile < tabelle->rowCount(); ++zeile)
            n += tabelle->viewport()->rect().contains(
                tabelle->visualItemRect(tabelle->item(zeile, 0)));
        return n;
    }
    // Every row in view, or as many as a window as tall as the screen holds.
    bool ganzImBlick() const {
        const int zeilen = fenster.findChild<QTableWidget*>(QStringLiteral("tabelle"))->rowCount();
        const QRect platz = fenster.screen()->availableGeometry();
        return platz.contains(fenster.frameGeometry()) &&
               (sichtbareZeilen() == zeilen ||
                (sichtbareZeilen() > 7 && fenster.frameGeometry().height() >= platz.height() - 50));
    }
    template <typename T> T* mitText(const QString& anfang) const {
        for (T* w : fenster.findChildren<T*>())
            if constexpr (std::is_same_v<T, QGroupBox>) {
                if (w->title().startsWith(anfang))
                    return w;
            } else if (w->text().startsWith(anfang)) {
                return w;
            }
        return nullptr;
    }

    Rennbahn bahn;
    Ablageliste ablage;
    Rennabendleiter leiter{bahn.rennen, ablage};
    RennabendLogik logik{leiter, bahn.dialoge};
    RennabendFenster fenster{logik, Rennabendregeln{}};
};
} // namespace

// While a night runs, the window says who drives next on which lane and shows its standings
// whole, as far as the screen goes: eight drivers' rows all at once, sixteen within a window
// as tall as the screen, the rest a scroll away; so are those who join later. Its form for a
// new night is folded away behind a button, which brings it back with the names to type.
TEST(RennabendFenster, GanzeTabelleUndWerAlsNaechstesFaehrt) {
    {
        Abendfenster acht(8);
        EXPECT_EQ(acht.sichtbareZeilen(), 8);
        const QLabel* naechstes = acht.mitText<QLabel>(QStringLiteral("Als Nächstes"));
        ASSERT_TRUE(naechstes);
        EXPECT_TRUE(naechstes->isVisible());
        EXPECT_EQ(naechstes->text(),
                  QStringLiteral("Als Nächstes: Fahrer 01 (Spur 1) – Fahrer 02 (Spur 2)"));
        const QGroupBox* neu = acht.mitText<QGroupBox>(QStringLiteral("Neuer Abend"));
        EXPECT_FALSE(neu->isVisible());
        QPushButton* knopf = acht.mitText<QPushButton>(QStringLiteral("N&euer Abend"));
        QTest::mouseClick(knopf, Qt::LeftButton);
        EXPECT_TRUE(neu->isVisible());
        EXPECT_FALSE(knopf->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), neu->findChild<QLineEdit*>());

        // Those who join later get their rows in view as well.
        for (const QString& name : {QStringLiteral("Emil"), QStringLiteral("Frida"),
                                    QStringLiteral("Gustav"), QStringLiteral("Hanna")}) {
            for (QLineEdit* feld : acht.fenster.findChildren<QLineEdit*>())
                if (feld->placeholderText() == QStringLiteral("Name"))
                    feld->setText(name);
            QTest::mouseClick(acht.mitText<QPushButton>(QStringLiteral("&Dazu")), Qt::LeftButton);
        }
        EXPECT_TRUE(acht.ganzImBlick());
    }
    Abendfenster sechzehn(16);
    EXPECT_TRUE(sechzehn.ganzImBlick());
}

// A new night chosen in the window: the round over every lane, scored by places from the
// points the club types; points that rise are turned down with the reason, and no night
// begins until they fall.
TEST(RennabendFenster, WertungUndPlatzpunkteGewaehlt) {
    Rennbahn bahn;
    Ablageliste ablage;
    Rennabendleiter leiter{bahn.rennen, ablage};
    RennabendLogik logik{leiter, bahn.dialoge};
    RennabendFenster fenster{logik, Rennabendregeln{}};
    fenster.darstellen();
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    QLineEdit *namen = nullptr, *punkte = nullptr;
    for (QLineEdit* feld : fenster.findChildren<QLineEdit*>()) {
        if (feld->placeholderText() == QStringLiteral("Anna, Bert, Carla"))
            namen = feld;
        if (feld->text().startsWith(QStringLiteral("25,22")))
            punkte = feld;
    }
    ASSERT_TRUE(namen && punkte);
    namen->setText(QStringLiteral("Anna, Bert, Carla, Dieter"));
    for (QComboBox* auswahl : fenster.findChildren<QComboBox*>())
        for (const QString& text : {rennabendformatText(Rennabendformat::Spurrotation),
                                    abendwertungText(Abendwertung::Platzpunkte)})
            if (auswahl->findText(text) >= 0)
                auswahl->setCurrentIndex(auswahl->findText(text));
    QPushButton* beginnen = nullptr;
    for (QPushButton* knopf : fenster.findChildren<QPushButton*>())
        if (knopf->text() == QStringLiteral("Abend &beginnen"))
            beginnen = knopf;
    ASSERT_TRUE(beginnen);

    punkte->setText(QStringLiteral("10,12"));
    QTest::mouseClick(beginnen, Qt::LeftButton);
    ASSERT_EQ(bahn.dialoge.meldungen.size(), 1u);
    EXPECT_EQ(bahn.dialoge.meldungen[0].text,
              QStringLiteral("Die Platzpunkte gehen nicht: Platz 2 bekäme mehr Punkte (12) als "
                             "Platz 1 (10)."));
    EXPECT_FALSE(leiter.aktiv());

    punkte->setText(QStringLiteral("10, 5"));
    QTest::mouseClick(beginnen, Qt::LeftButton);
    ASSERT_TRUE(leiter.aktiv());
    EXPECT_EQ(leiter.abend().regeln.format, Rennabendformat::Spurrotation);
    EXPECT_EQ(leiter.abend().regeln.wertung, Abendwertung::Platzpunkte);
    EXPECT_EQ(leiter.abend().regeln.platzpunkte, (std::vector<int>{10, 5}));
    EXPECT_EQ(leiter.abend().plan.size(), 4u) << "each of four drivers once on each lane";
}

// A night with a qualifying chosen in the form: the qualifying comes first, by the way
// chosen, and the bump-up and the mains as rotations are the night's.
TEST(RennabendFenster, QualifikationUndAufsteigerGewaehlt) {
    Rennbahn bahn;
    bahn.spuren(4);
    Ablageliste ablage;
    Rennabendleiter leiter{bahn.rennen, ablage};
    RennabendLogik logik{leiter, bahn.dialoge};
    RennabendFenster fenster{logik, Rennabendregeln{}};
    fenster.darstellen();
    for (QLineEdit* feld : fenster.findChildren<QLineEdit*>())
        if (feld->placeholderText() == QStringLiteral("Anna, Bert, Carla"))
            feld->setText(QStringLiteral("Anna, Bert, Carla, Dora, Emil, Fritz, Gina"));
    for (QComboBox* auswahl : fenster.findChildren<QComboBox*>())
        if (const int i = auswahl->findText(QStringLiteral("meiste Runden")); i >= 0)
            auswahl->setCurrentIndex(i);
    for (QCheckBox* kaestchen : fenster.findChildren<QCheckBox*>())
        if (kaestchen->text() == QStringLiteral("A&ufsteiger") ||
            kaestchen->text() == QStringLiteral("als R&otation"))
            kaestchen->setChecked(true);
    for (QPushButton* knopf : fenster.findChildren<QPushButton*>())
        if (knopf->text() == QStringLiteral("Abend &beginnen"))
            knopf->click();
    ASSERT_TRUE(leiter.aktiv());
    EXPECT_EQ(leiter.abend().regeln.qualifikation, Qualifikationsart::MeisteRunden);
    EXPECT_TRUE(leiter.abend().regeln.aufsteiger);
    EXPECT_EQ(leiter.abend().regeln.hauptlaufmodus, Hauptlaufmodus::Rotation);
    ASSERT_EQ(leiter.abend().plan.size(), 2u) << "seven drivers qualify on four lanes";
    EXPECT_EQ(leiter.abend().plan[0].hauptlauf, 0);
}

// On a four-lane track the chart has a column per lane and a free lane says so; the line
// above it names every lane of the next Lauf.
TEST(RennabendFenster, PlanMitEinerSpalteJeSpur) {
    Rennbahn bahn;
    bahn.spuren(4);
    Ablageliste ablage;
    Rennabendleiter leiter{bahn.rennen, ablage};
    leiter.beginnen({QStringLiteral("Anna"), QStringLiteral("Bert"), QStringLiteral("Carla")},
                    Rennabendregeln{});
    RennabendLogik logik{leiter, bahn.dialoge};
    RennabendFenster fenster{logik, Rennabendregeln{}};
    const auto* plan = fenster.findChild<QTableWidget*>(QStringLiteral("plan"));
    ASSERT_TRUE(plan);
    QStringList kopf;
    for (int s = 0; s < plan->columnCount(); ++s)
        kopf << plan->horizontalHeaderItem(s)->text();
    EXPECT_EQ(kopf, (QStringList{"Nr.", "Spur 1", "Spur 2", "Spur 3", "Spur 4", "Stand"}));
    ASSERT_EQ(plan->rowCount(), 4);
    const Laufbelegung erster = leiter.abend().plan[0].belegung();
    QStringList teile;
    for (int spur = 1; spur <= 4; ++spur) {
        const QString soll = erster[spur].isEmpty() ? QStringLiteral("frei") : erster[spur];
        EXPECT_EQ(plan->item(0, spur)->text(), soll);
        teile << (erster[spur].isEmpty()
                      ? QStringLiteral("Spur %1 frei").arg(spur)
                      : QStringLiteral("%1 (Spur %2)").arg(erster[spur]).arg(spur));
    }
    EXPECT_EQ(plan->item(0, 5)->text(), QStringLiteral("als Nächstes"));
    const QLabel* naechstes = nullptr;
    for (const QLabel* l : fenster.findChildren<QLabel*>())
        if (l->text().startsWith(QStringLiteral("Als Nächstes")))
            naechstes = l;
    ASSERT_TRUE(naechstes);
    EXPECT_EQ(naechstes->text(), QStringLiteral("Als Nächstes: Lauf 1 – ") + teile.join(", "));

    // The heat sheet printed is the chart as shown.
    const Tabelle blatt = logik.laufplan();
    EXPECT_EQ(blatt.ueberschrift, "Laufplan – Rennabend");
    EXPECT_EQ(blatt.kopf, kopf);
    ASSERT_EQ(blatt.zeilen.size(), 4u);
    for (int s = 0; s < plan->columnCount(); ++s)
        EXPECT_EQ(blatt.zeilen[0][s], plan->item(0, s)->text());
}
