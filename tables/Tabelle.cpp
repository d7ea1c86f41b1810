#include "Tabelle.h"

#include "Csvtext.h"

#include <QSaveFile>

QByteArray tabelleAlsCsv(const Tabelle& tabelle) {
    QByteArray datei = csvKopf(tabelle.kopf);
    for (const QStringList& felder : tabelle.zeilen)
        datei += csvZeile(felder);
    for (const Teiltabelle& teil : tabelle.teile) {
        datei += csvZeile({teil.ueberschrift});
        for (const QStringList& felder : teil.zeilen)
            datei += csvZeile(felder);
    }
    return datei;
}

QString tabellenzeilenHtml(const QStringList& kopf, const std::vector<QStringList>& zeilen,
                           const Zeilenzeichnung& zeichnung) {
    QString html = QStringLiteral("<thead><tr>");
    for (const QString& k : kopf)
        html += QStringLiteral("<th>") + k.toHtmlEscaped() + QStringLiteral("</th>");
    html += QStringLiteral("</tr></thead><tbody>");
    for (std::size_t z = 0; z < zeilen.size(); ++z) {
        const Zeilenzeichen zeichen = zeichnung ? zeichnung(z) : Zeilenzeichen{};
        html += zeichen.klasse.isEmpty()
                    ? QStringLiteral("<tr>")
                    : QStringLiteral("<tr class=\"%1\">").arg(zeichen.klasse.toHtmlEscaped());
        const QStringList& felder = zeilen[z];
        for (qsizetype s = 0; s < felder.size(); ++s) {
            html += s == zeichen.stilspalte
                        ? QStringLiteral("<td style=\"%1\">").arg(zeichen.stil.toHtmlEscaped())
                        : QStringLiteral("<td>");
            html += felder[s].toHtmlEscaped() + QStringLiteral("</td>");
        }
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</tbody>");
}

QString tabelleAlsHtml(const Tabelle& tabelle) {
    const QString rahmen =
        QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">%1</table>");
    QString html =
        QStringLiteral("<h1>%1</h1><p>%2</p>")
            .arg(tabelle.ueberschrift.toHtmlEscaped(), tabelle.unterzeile.toHtmlEscaped()) +
        rahmen.arg(tabellenzeilenHtml(tabelle.kopf, tabelle.zeilen));
    for (const Teiltabelle& teil : tabelle.teile)
        html += QStringLiteral("<h2>%1</h2>").arg(teil.ueberschrift.toHtmlEscaped()) +
                rahmen.arg(tabellenzeilenHtml(tabelle.kopf, teil.zeilen));
    return html;
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
