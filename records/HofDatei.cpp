#include "HofDatei.h"

#include "Windows1252.h"
#include "Zahlenformat.h"

#include <QStringList>

namespace HofDatei {

std::optional<Hofliste> lesen(QByteArrayView inhalt) {
    // Files edited on another system may end their lines in LF or CR alone.
    QString text = Windows1252::dekodieren(inhalt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList zeilen = text.split(u'\n');
    // A line end closes a line; it does not open another one. An empty file has no lines.
    if (zeilen.last().isEmpty())
        zeilen.removeLast();
    if (zeilen.size() > Hofliste::Raenge)
        return std::nullopt;

    Hofliste liste;
    for (int rang = 1; rang <= zeilen.size(); ++rang) {
        const QString& zeile = zeilen[rang - 1];
        const qsizetype trenner = zeile.indexOf(u';');
        if (trenner < 0)
            return std::nullopt;
        const std::optional<double> wert = Zahlenformat::zahlLesen(zeile.left(trenner));
        if (!wert)
            return std::nullopt;
        liste.HofGeschw[rang] = *wert;
        liste.HofName[rang] = zeile.mid(trenner + 1).section(u';', 0, 0);
    }
    return liste;
}

QByteArray schreiben(const Hofliste& liste) {
    QString text;
    for (int rang = 1; rang <= Hofliste::Raenge; ++rang) {
        // A line break in a name would split its line and make the whole file unreadable.
        QString name = liste.HofName[rang];
        name.replace(u'\r', u' ').replace(u'\n', u' ');
        text +=
            Zahlenformat::allgemein(liste.HofGeschw[rang]) + u';' + name + QStringLiteral("\r\n");
    }
    return Windows1252::kodieren(text);
}

} // namespace HofDatei
