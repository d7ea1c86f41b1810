// A line of the big screen that fits its text whenever text or width change: first in
// smaller type, down to half its size, then cut with "…", as the main window fits its
// names. A line of parts loses only from its names, so the words around them stay. A
// colour given is its own, so the window's style sheet, set anew with every size, cannot
// take it.
#pragma once

#include "Farben.h"
#include "Namenszeile.h"

#include <QLabel>
#include <optional>

class Passfeld : public QLabel {
public:
    Passfeld(QWidget* eltern, Qt::Alignment ausrichtung);

    // A name or a result, cut at its end where need be.
    void textSetzen(const QString& text);
    void zeileSetzen(const Namenszeile& zeile);
    // The type the text has when it fits, in points.
    void grundschriftSetzen(const QFont& schrift);
    // The type's colour (none: the window's), and the colour it stands on, if any, as a
    // plate with round corners.
    void farbeSetzen(std::optional<Farbe> farbe, std::optional<Farbe> grund = std::nullopt);
    // The height of the whole type, whatever the text is shrunk to; any width.
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    void einpassen();

    Namenszeile m_zeile;
    QFont m_grundschrift;
    void stilSetzen();

    std::optional<Farbe> m_farbe;
    std::optional<Farbe> m_grund;
    QString m_stil;
};
