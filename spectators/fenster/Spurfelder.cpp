#include "Spurfelder.h"

#include "Passfeld.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>

QLabel* zuschauerfeld(QWidget* eltern, Qt::Alignment ausrichtung) {
    auto* label = new QLabel(eltern);
    label->setTextFormat(Qt::PlainText); // a winner's name shows as typed, markup and all
    label->setAlignment(ausrichtung);
    label->setFocusPolicy(Qt::NoFocus);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    return label;
}

void zuschauertextSetzen(QLabel* label, const QString& text) {
    if (label && label->text() != text)
        label->setText(text);
}

void spurZeigen(Spurfelder& f, const Zuschauerspur& s) {
    f.name->textSetzen(s.name);
    f.name->farbeSetzen(s.farbe, s.namensgrund);
    zuschauertextSetzen(f.position, s.position);
    f.position->setVisible(!s.position.isEmpty());
    zuschauertextSetzen(f.vermerk, s.vermerk);
    zuschauertextSetzen(f.gefahren, s.gefahren);
    zuschauertextSetzen(f.zuFahren, s.zuFahren);
    zuschauertextSetzen(f.letzte, s.letzte);
    zuschauertextSetzen(f.beste, s.beste);
    // A best lap just set stands out until the lane's next lap. The style sheet takes
    // a changed property only when the label is polished afresh, and the frame sets
    // the padding of the highlight (or drops it) only when told the style changed: a
    // best lap of old kept its padding after a resize.
    if (f.beste->property("neu").toBool() != s.besteNeu) {
        f.beste->setProperty("neu", s.besteNeu);
        f.beste->style()->unpolish(f.beste);
        f.beste->style()->polish(f.beste);
        QEvent wechsel(QEvent::StyleChange);
        QApplication::sendEvent(f.beste, &wechsel);
    }
    zuschauertextSetzen(f.abstand, s.abstand);
    zuschauertextSetzen(f.lauf, s.lauf);
}
