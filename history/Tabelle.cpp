#include "Tabelle.h"

#include "Csvtext.h"

#include <QSaveFile>

QByteArray tabelleAlsCsv(const Tabelle& tabelle) {
    QByteArray datei = csvKopf(tabelle.kopf);
    for (const QStringList& felder : tabelle.zeilen)
        datei += csvZeile(felder);
    return datei;
}

QString tabelleAlsHtml(const Tabelle& tabelle) {
    QString html =
        QStringLiteral("<h1>%1</h1><p>%2</p>"
                       "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">")
            .arg(tabelle.ueberschrift.toHtmlEscaped(), tabelle.unterzeile.toHtmlEscaped());
    const auto zeile = [&](const QStringList& felder, const QString& tag) {
        html += QStringLiteral("<tr>");
        for (const QString& f : felder)
            html += QStringLiteral("<%1>%2</%1>").arg(tag, f.toHtmlEscaped());
        html += QStringLiteral("</tr>");
    };
    zeile(tabelle.kopf, QStringLiteral("th"));
    for (const QStringList& felder : tabelle.zeilen)
        zeile(felder, QStringLiteral("td"));
    return html + QStringLiteral("</table>");
}

std::optional<QString> tabelleSchreiben(const QString& pfad, const Tabelle& tabelle,
                                        Tabellenformat format, const Pdfdruck& drucken) {
    bool gut = false;
    if (format == Tabellenformat::Pdf) {
        gut = drucken(pfad, tabelle.dokumenttitel, tabelleAlsHtml(tabelle));
    } else {
        QSaveFile datei(pfad);
        gut = datei.open(QIODevice::WriteOnly) && datei.write(tabelleAlsCsv(tabelle)) >= 0 &&
              datei.commit();
    }
    if (gut)
        return std::nullopt;
    return QStringLiteral("Die Datei kann nicht geschrieben werden: ") + pfad;
}
