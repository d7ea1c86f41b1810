// Markup in a name shows as typed wherever the name comes from: the settings, the rename
// prompt, hof.ini, a message, the result window. Run under a memory limit: a name taken
// for markup, "<img src=/dev/zero>", makes Qt read the device until memory runs out.
#include "../records/Datenordner.h"
#include "../settings/Einstellungsbahn.h"
#include "F2SpurRennen.h"
#include "Fhof.h"
#include "Hauptfenster.h"
#include "Labelknopf.h"
#include "OhneZuschauer.h"
#include "QtDialoge.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {
const QString Bild = "<img src=/dev/zero>";
const QString Markup = "<u>Tom</u><br>Jerry";

// Runs aktion on the next modal dialog, once it is open.
template <typename Dialog> void imNaechstenDialog(std::function<void(Dialog*)> aktion) {
    QTimer::singleShot(0, [aktion] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            ADD_FAILURE() << "kein Dialog offen";
            return;
        }
        dialog->grab();
        aktion(dialog);
    });
}

// What a label shows, read as a user reads it.
QString gezeigt(const QLabel* label) {
    if (label->textFormat() == Qt::PlainText)
        return label->text();
    QTextDocument dokument;
    dokument.setHtml(label->text());
    return dokument.toPlainText();
}

QStringList texte(const QWidget& fenster) {
    QStringList t;
    for (const QLabel* l : fenster.findChildren<QLabel*>())
        t << gezeigt(l);
    return t;
}
} // namespace

TEST(Klartext, NamenMitMarkupErscheinenWieGetippt) {
    Einstellungsbahn b;
    b.speicher.werte["fahrer1"] = Bild;
    b.speicher.werte["fahrer2"] = Markup;
    QtDialoge dialoge;
    Fahrernamen fahrer{b.rennen, b.speicher, dialoge};
    OhneZuschauer zuschauer;
    OhneZoom zoom;
    Tastatur tastatur{b.rennen, b.start, b.dialoge, fahrer, zuschauer, zoom};
    Hauptfenster fenster(b.rennen, b.start, tastatur, fahrer, dialoge);
    b.starteProgramm();
    b.starten();
    b.fahren(1, 0.5, {3}); // the top speed is Bild's
    fenster.darstellen();
    fenster.show();
    fenster.grab();
    EXPECT_TRUE(texte(fenster).contains(Bild));
    EXPECT_TRUE(texte(fenster).contains(Markup));

    // A name too long for its label shows whole in the tooltip, also as typed.
    b.rennen.fahrerBenennen(1, Bild + " und der ganze Rest des Bahnclubs");
    fenster.darstellen();
    auto* lang = fenster.findChildren<Labelknopf*>().at(0);
    QToolTip::showText(fenster.mapToGlobal(QPoint(20, 20)), lang->toolTip(), &fenster);
    QCoreApplication::processEvents();
    QTextDocument tipp;
    tipp.setHtml(lang->toolTip());
    EXPECT_EQ(tipp.toPlainText(), b.stand().spuren[1].fahrer);
    QToolTip::hideText();

    // The rename prompt offers the name as typed and takes a new one the same way.
    imNaechstenDialog<QInputDialog>([](QInputDialog* d) {
        EXPECT_EQ(d->textValue(), Markup);
        d->setTextValue(Bild);
        d->accept();
    });
    fahrer.umbenennen(2);
    EXPECT_EQ(b.speicher.werte["fahrer2"], Bild);
    fenster.darstellen();
    fenster.grab();
    EXPECT_EQ(fenster.findChildren<Labelknopf*>().at(1)->text(), Bild);

    // A prompt and a message that quote a name.
    imNaechstenDialog<QInputDialog>([](QInputDialog* d) {
        EXPECT_TRUE(texte(*d).contains("Name: " + Bild + Markup));
        d->reject();
    });
    dialoge.eingabe("Name: " + Bild + Markup, "", "");
    imNaechstenDialog<QMessageBox>([](QMessageBox* d) {
        EXPECT_TRUE(texte(*d).contains("Fehlstart von " + Bild))
            << texte(*d).join('|').toStdString();
        d->accept();
    });
    dialoge.meldung("Fehlstart von " + Bild, "");
}

TEST(Klartext, HallOfFameUndErgebnisZeigenNamenWieGetippt) {
    Datenordner ordner;
    ordner.schreiben("hof.ini", ("12,5;" + Bild + "\r\n9;" + Markup + "\r\n").toLatin1());
    FakeDialoge meldungen;
    Hofmodul hof(ordner.daten, meldungen);
    hof.HofLesen();
    Fhof hallOfFame(hof);
    hallOfFame.show();
    hallOfFame.grab();
    EXPECT_TRUE(texte(hallOfFame).contains(Bild));
    EXPECT_TRUE(texte(hallOfFame).contains(Markup));

    F2SpurRennenInhalt inhalt;
    inhalt.LaUeberschrift = Bild + " hat gewonnen!";
    inhalt.LaNameSieger = Bild;
    inhalt.LaNameVerlierer = Markup;
    F2SpurRennen ergebnis(inhalt);
    ergebnis.show();
    ergebnis.grab();
    EXPECT_TRUE(texte(ergebnis).contains(Bild));
    EXPECT_TRUE(texte(ergebnis).contains(Markup));
}
