// Fits a text into the width a window has for it: first in a smaller font, down to a size
// still legible, then cut at the end with "…". A text cut short shows whole as the tooltip,
// escaped, so markup in a name shows as typed.
#pragma once

#include <QFont>
#include <QString>

class QFontMetrics;
class QLabel;

// The smallest size, in points, a fitted text is shrunk to before it is cut: that of the
// program's ordinary text in dialogs and the status bar.
constexpr double LesbarePunkte = 8;

struct Einpassung {
    QFont schrift;
    QString text;
    bool gekuerzt = false;
};

Einpassung einpassen(const QString& text, const QFont& grundschrift, int breite,
                     double mindestpunkt = LesbarePunkte);

// Shows text as plain text in the label, fitted into its contents; the label's tooltip
// becomes the whole text when cut, else tipp.
void einpassen(QLabel* label, const QString& text, const QFont& grundschrift,
               const QString& tipp = QString(), double mindestpunkt = LesbarePunkte);

// A text ending in a device path, shortened to breite for the tooltip-less glance: the
// folders between the first and the last give way to "…", then the last name loses its
// middle ("/dev/…/usb-FTDI…-if00"). A text without a path loses its middle.
QString pfadKuerzen(const QString& text, const QFontMetrics& masse, int breite);

// Text from a user, a file or the box as rich text that shows exactly its characters: for
// tooltips and prompts, which Qt renders as markup when the text looks like it.
QString alsKlartext(const QString& text);
