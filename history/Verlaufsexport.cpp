#include "Verlaufsexport.h"

#include "Zahlenformat.h"

#include <QDir>
#include <QSaveFile>

namespace {

QString modusText(const Rennaufzeichnung& r) {
    QString text;
    switch (r.art) {
    case Rennart::Rennen: text = QStringLiteral("Rennen"); break;
    case Rennart::Training: text = QStringLiteral("Training"); break;
    case Rennart::Spurwechsel: text = QStringLiteral("Spurwechsel"); break;
    }
    return r.abgebrochen ? text + QStringLiteral(", abgebrochen") : text;
}

// A field is quoted when it holds the separator, a quote or a line break; quotes double.
QString csvFeld(const QString& text) {
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString feld = text;
    feld.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + feld + QLatin1Char('"');
}

class CsvSchreiber {
public:
    explicit CsvSchreiber(QSaveFile& datei) : m_datei(datei) {
        m_datei.write("\xEF\xBB\xBF");
        zeile({QStringLiteral("Rennen"), QStringLiteral("Datum"), QStringLiteral("Modus"),
               QStringLiteral("Lauf"), QStringLiteral("Spur"), QStringLiteral("Fahrer"),
               QStringLiteral("Runde"), QStringLiteral("Zeit (s)"),
               QStringLiteral("Geschwindigkeit (m/s)"), QStringLiteral("Handrunde")});
    }
    void rennen(qint64 nummer, const Rennaufzeichnung& r) {
        const QString kopf[] = {QString::number(nummer),
                                r.beginn.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")),
                                csvFeld(modusText(r))};
        for (std::size_t lauf = 0; lauf < r.laeufe.size(); ++lauf)
            for (int spur = 1; spur <= 2; ++spur) {
                const Spurfahrt& f = r.laeufe[lauf][spur];
                const QString fahrer = csvFeld(f.fahrer);
                for (std::size_t i = 0; i < f.runden.size(); ++i)
                    zeile({kopf[0], kopf[1], kopf[2], QString::number(lauf + 1),
                           QString::number(spur), fahrer, QString::number(i + 1),
                           Zahlenformat::ZahlFormatieren(f.runden[i].zeit),
                           Zahlenformat::ZahlFormatieren(f.runden[i].geschwindigkeit),
                           f.runden[i].vonHand ? QStringLiteral("ja") : QStringLiteral("nein")});
            }
    }

private:
    void zeile(std::initializer_list<QString> felder) {
        m_datei.write(
            (QStringList(felder).join(QLatin1Char(';')) + QStringLiteral("\r\n")).toUtf8());
    }
    QSaveFile& m_datei;
};

// JSON text of a string: quotes, backslashes and control characters escaped.
QByteArray jsonText(const QString& text) {
    QByteArray aus = "\"";
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\') {
            aus += '\\';
            aus += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            aus += QStringLiteral("\\u%1").arg(int(c), 4, 16, QLatin1Char('0')).toLatin1();
        } else {
            aus += c;
        }
    }
    return aus + '"';
}

QByteArray jsonZahl(double wert) {
    return QByteArray::number(wert, 'g', QLocale::FloatingPointShortest);
}

QByteArray jsonZahl(const std::optional<double>& wert) {
    return wert ? jsonZahl(*wert) : QByteArray("null");
}

QByteArray jsonFarbe(Farbe farbe) {
    // Stored as 0x00BBGGRR; written as the web's #RRGGBB.
    return QStringLiteral("\"#%1%2%3\"")
        .arg(farbe & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((farbe >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((farbe >> 16) & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper()
        .toLatin1();
}

class JsonSchreiber {
public:
    explicit JsonSchreiber(QSaveFile& datei) : m_datei(datei) { m_datei.write("{\"rennen\": ["); }
    ~JsonSchreiber() { m_datei.write("\n]}\n"); }
    JsonSchreiber(const JsonSchreiber&) = delete;
    JsonSchreiber& operator=(const JsonSchreiber&) = delete;

    void rennen(qint64 nummer, const Rennaufzeichnung& r) {
        QByteArray a = m_erstes ? "\n" : ",\n";
        m_erstes = false;
        a += "{\"nummer\": " + QByteArray::number(nummer) +
             ", \"beginn\": " + jsonText(r.beginn.toString(Qt::ISODate)) +
             ", \"modus\": " + jsonText(artText(r.art)) +
             ", \"abgebrochen\": " + (r.abgebrochen ? "true" : "false") +
             ", \"rundenzahl\": " + QByteArray::number(r.rundenzahl) +
             ", \"kurslaenge\": " + jsonZahl(r.kurslaenge) +
             ", \"prellzeit\": " + jsonZahl(r.prellzeit) +
             ", \"signalquelle\": " + jsonText(quellenText(r.quelle)) +
             ", \"sieger\": " + (r.sieger ? jsonText(*r.sieger) : QByteArray("null")) +
             ", \"unentschieden\": " + (!r.abgebrochen && !r.sieger ? "true" : "false") +
             ", \"laeufe\": [";
        for (std::size_t lauf = 0; lauf < r.laeufe.size(); ++lauf) {
            a += lauf ? ", " : "";
            a += "{\"lauf\": " + QByteArray::number(lauf + 1) + ", \"spuren\": [";
            for (int spur = 1; spur <= 2; ++spur) {
                const Spurfahrt& f = r.laeufe[lauf][spur];
                const std::optional<int> beste = f.besteRunde();
                a += spur == 2 ? ", " : "";
                a += "{\"spur\": " + QByteArray::number(spur) +
                     ", \"fahrer\": " + jsonText(f.fahrer) + ", \"farbe\": " + jsonFarbe(f.farbe) +
                     ", \"gesamtzeit\": " + jsonZahl(f.gesamtzeit) +
                     ", \"schnitt\": " + jsonZahl(f.schnitt) + ", \"bestrunde\": " +
                     (beste ? QByteArray::number(*beste) : QByteArray("null")) + ", \"runden\": [";
                for (std::size_t i = 0; i < f.runden.size(); ++i)
                    a += (i ? ", " : "") + QByteArray("{\"runde\": ") + QByteArray::number(i + 1) +
                         ", \"zeit\": " + jsonZahl(f.runden[i].zeit) +
                         ", \"geschwindigkeit\": " + jsonZahl(f.runden[i].geschwindigkeit) +
                         ", \"handrunde\": " + (f.runden[i].vonHand ? "true" : "false") + "}";
                a += "]}";
            }
            a += "]}";
        }
        m_datei.write(a + "]}");
    }

private:
    QSaveFile& m_datei;
    bool m_erstes = true;
};

template <typename Schreiber>
std::optional<QString> schreiben(Verlaufsabfragen& abfragen, QSaveFile& datei,
                                 std::optional<qint64> nurRennen) {
    Schreiber schreiber(datei);
    if (nurRennen) {
        const std::optional<Rennaufzeichnung> r = abfragen.rennen(*nurRennen);
        if (!r)
            return abfragen.fehler().isEmpty() ? QStringLiteral("Das Rennen gibt es nicht mehr.")
                                               : abfragen.fehler();
        schreiber.rennen(*nurRennen, *r);
        return std::nullopt;
    }
    if (!abfragen.alleRennen([&](qint64 nummer, const Rennaufzeichnung& r) {
            schreiber.rennen(nummer, r);
            return datei.error() == QFileDevice::NoError;
        }))
        return abfragen.fehler();
    return std::nullopt;
}

} // namespace

std::optional<QString> verlaufExportieren(Verlaufsabfragen& abfragen, const QString& pfad,
                                          std::optional<qint64> nurRennen) {
    const QString endung = pfad.section(QLatin1Char('.'), -1).toLower();
    if (!pfad.contains(QLatin1Char('.')) ||
        (endung != QStringLiteral("csv") && endung != QStringLiteral("json")))
        return QStringLiteral("Der Dateiname muss auf .csv oder .json enden.");
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly))
        return datei.errorString();
    const std::optional<QString> fehler =
        endung == QStringLiteral("csv") ? schreiben<CsvSchreiber>(abfragen, datei, nurRennen)
                                        : schreiben<JsonSchreiber>(abfragen, datei, nurRennen);
    if (fehler) {
        datei.cancelWriting();
        return fehler;
    }
    if (!datei.commit())
        return datei.errorString();
    return std::nullopt;
}
