#include "Tabellenhtml.h"

QString tabellenHtml(const QString& titel, const QString& unterzeile, const QStringList& kopf,
                     const std::vector<QStringList>& zeilen) {
    QString html = QStringLiteral("<h1>%1</h1><p>%2</p>"
                                  "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">")
                       .arg(titel.toHtmlEscaped(), unterzeile.toHtmlEscaped());
    const auto zeile = [&](const QStringList& felder, const QString& tag) {
        html += QStringLiteral("<tr>");
        for (const QString& f : felder)
            html += QStringLiteral("<%1>%2</%1>").arg(tag, f.toHtmlEscaped());
        html += QStringLiteral("</tr>");
    };
    zeile(kopf, QStringLiteral("th"));
    for (const QStringList& felder : zeilen)
        zeile(felder, QStringLiteral("td"));
    return html + QStringLiteral("</table>");
}
