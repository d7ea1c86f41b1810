// HTML printed into a PDF file with Qt's own PDF writer, for tables a racer takes home.
#pragma once

#include <QString>

// False when the file could not be written.
bool pdfSchreiben(const QString& pfad, const QString& titel, const QString& html);
