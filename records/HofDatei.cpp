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
        // Names as a line can hold them: one bad line would make the whole file unreadable.
        text += Zahlenformat::allgemein(liste.HofGeschw[rang]) + u';' +
                nameFuerDatei(liste.HofName[rang]) + QStringLiteral("\r\n");
    }
    return Windows1252::kodieren(text);
}

QString nameFuerDatei(QString name) {
    return name.replace(u';', u',').replace(u'\r', u' ').replace(u'\n', u' ');
}

} // namespace HofDatei
