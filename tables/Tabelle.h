// A table the racer takes home: a race night's standings, a season's championship. It leaves
// the program as CSV for spreadsheets, written as every export is (Csvtext.h), or as a PDF
// printed from its HTML; the spectators' page shows its rows.
#pragma once

#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

// A table of its own under the first, with its header: a class's in a season.
struct Teiltabelle {
    QString ueberschrift;
    std::vector<QStringList> zeilen;
};

struct Tabelle {
    QString dokumenttitel; // the PDF's own title, which a reader shows for the file
    QString ueberschrift;
    QString unterzeile;
    QStringList kopf;
    std::vector<QStringList> zeilen;
    std::vector<Teiltabelle> teile = {}; // none but for a season with classes
};

QByteArray tabelleAlsCsv(const Tabelle& tabelle);
// The heading, the line under it and the rows with their header, every text escaped; each
// part under its own heading after them. The CSV gives a part's heading a row of its own.
QString tabelleAlsHtml(const Tabelle& tabelle);

// How one row stands out on a page: a class for the row (a driver who left the night) and
// one cell drawn in a style of its own (the driver in the driver's colour).
struct Zeilenzeichen {
    QString klasse;
    qsizetype stilspalte = -1;
    QString stil;
};
using Zeilenzeichnung = std::function<Zeilenzeichen(std::size_t zeile)>;
// The inside of a <table>: the header and the rows, every text escaped, each row marked as
// the drawing says.
QString tabellenzeilenHtml(const QStringList& kopf, const std::vector<QStringList>& zeilen,
                           const Zeilenzeichnung& zeichnung = {});

enum class Tabellenformat { Csv, Pdf };

// Prints HTML into a PDF file under a title; false when the file could not be written. Qt's
// PDF writer needs its GUI library, which the logic does without: the windows hand it in.
using Pdfdruck =
    std::function<bool(const QString& pfad, const QString& titel, const QString& html)>;

// Writes the table to the file the racer chose, a CSV file whole or not at all; the text to
// show the racer when it could not.
std::optional<QString> tabelleSchreiben(const QString& pfad, const Tabelle& tabelle,
                                        Tabellenformat format, const Pdfdruck& drucken);
