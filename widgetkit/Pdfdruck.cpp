#include "Pdfdruck.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QTextDocument>

bool pdfSchreiben(const QString& pfad, const QString& titel, const QString& html) {
    {
        QPdfWriter pdf(pfad);
        pdf.setTitle(titel);
        QTextDocument dokument;
        dokument.setHtml(html);
        dokument.setPageSize(pdf.pageLayout().paintRectPixels(pdf.resolution()).size());
        dokument.print(&pdf);
    }
    return QFileInfo(pfad).size() > 0;
}
