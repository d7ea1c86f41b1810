#include "FHinweis.h"

#include "Hinweistext.h"
#include "Zoomen.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

FHinweis::FHinweis(const QString& readme, QWidget* eltern, const Massstab& massstab)
    : QDialog(eltern) {
    setWindowTitle(QStringLiteral("Hinweis"));
    auto* TeHinweis = new QPlainTextEdit(this);
    TeHinweis->setObjectName(QStringLiteral("TeHinweis"));
    TeHinweis->setReadOnly(true);
    TeHinweis->setLineWrapMode(QPlainTextEdit::NoWrap);
    TeHinweis->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TeHinweis->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Where Courier New is missing, fontconfig's metric twin Liberation Mono answers.
    QFont schrift(QStringLiteral("Courier New"));
    schrift.setStyleHint(QFont::Monospace);
    schrift.setPointSizeF(massstab.punkt(8.25));
    TeHinweis->setFont(schrift);
    TeHinweis->setPlainText(hinweistextLesen(readme));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(TeHinweis);
    resize(massstab.skaliert(QSize(640, 480)));
    zoomen(this, massstab);
}

void fHinweisZeigen(const QString& readme, QWidget* eltern, const Massstab& massstab) {
    FHinweis fenster(readme, eltern, massstab);
    fenster.exec();
}
