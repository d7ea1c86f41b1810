#include "Verlaufsexport.h"

#include "Csvtext.h"
#include "Dateiursache.h"
#include "Rennjson.h"
#include "Straftext.h"
#include "Zahlenformat.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSet>
#include <cerrno>

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

// The file the export writes: a regular file through a copy beside it that replaces it
// when complete, a pipe or a device directly. Unbuffered, so that a disk that takes only
// part of a race shows at once, with the system's reason.
class Exportziel {
public:
    std::optional<QString> oeffnen(const QString& pfad, Sonderdatei sonderdatei) {
        const QFileInfo info(pfad);
        if (info.isDir())
            return dateiursache(pfad, EISDIR);
        if (info.exists() && !info.isFile()) {
            if (sonderdatei == Sonderdatei::Ablehnen)
                return QStringLiteral("Das ist keine gewöhnliche Datei, sondern eine Pipe oder "
                                      "ein Gerät; dorthin exportiert nur die Befehlszeile "
                                      "(rundomat --verlauf-export).");
            m_geraet.setFileName(pfad);
            m_offen = &m_geraet;
        } else {
            m_datei.setFileName(pfad);
            m_offen = &m_datei;
        }
        errno = 0;
        if (!m_offen->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return fehler(errno);
        return std::nullopt;
    }
    bool schreiben(const QByteArray& bytes) {
        if (m_fehler)
            return false;
        errno = 0;
        if (m_offen->write(bytes) != bytes.size())
            m_fehler = fehler(errno);
        return !m_fehler;
    }
    std::optional<QString> abschliessen(std::optional<QString> lesefehler) {
        if (!lesefehler)
            lesefehler = m_fehler;
        if (m_offen != &m_datei)
            return lesefehler;
        if (lesefehler) {
            m_datei.cancelWriting();
            return lesefehler;
        }
        errno = 0;
        if (!m_datei.commit())
            return fehler(errno);
        return std::nullopt;
    }

private:
    QString fehler(int fehlernummer) const {
        const QString ursache = dateiursache(m_offen->fileName(), fehlernummer);
        if (!ursache.isEmpty())
            return ursache;
        return m_offen->errorString().isEmpty() ? QStringLiteral("Schreibfehler.")
                                                : m_offen->errorString();
    }

    QSaveFile m_datei;
    QFile m_geraet;
    QFileDevice* m_offen = nullptr;
    std::optional<QString> m_fehler;
};

class CsvSchreiber {
public:
    explicit CsvSchreiber(Exportziel& ziel) : m_ziel(ziel) {
        m_ziel.schreiben(
            csvKopf({QStringLiteral("Rennen"), QStringLiteral("Datum"), QStringLiteral("Modus"),
                     QStringLiteral("Lauf"), QStringLiteral("Spur"), QStringLiteral("Fahrer"),
                     QStringLiteral("Runde"), QStringLiteral("Zeit (s)"),
                     QStringLiteral("Geschwindigkeit (m/s)"), QStringLiteral("Handrunde"),
                     QStringLiteral("Rennart"), QStringLiteral("Renndauer (s)"),
                     QStringLiteral("Zielregel"), QStringLiteral("Distanz (Runden)"),
                     QStringLiteral("Hinweis")}));
    }
    bool rennen(std::optional<qint64> nummer, const Rennaufzeichnung& r) {
        const QString kopf[] = {nummer ? QString::number(*nummer) : QStringLiteral("wartet"),
                                r.beginn.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")),
                                modusText(r)};
        // The race's format stands in every row, like its mode; by laps without duration
        // and rule.
        const bool nachZeit = r.rennart == Rennlaenge::Zeit;
        const QString format[] = {rennartName(r.rennart),
                                  nachZeit ? QString::number(r.renndauer) : QString(),
                                  nachZeit ? zielregelName(r.zielregel) : QString()};
        QByteArray zeilen;
        for (std::size_t lauf = 0; lauf < r.laeufe.size(); ++lauf)
            for (int spur = 1; spur <= r.laeufe[lauf].anzahl(); ++spur) {
                const Spurfahrt& f = r.laeufe[lauf][spur];
                const std::vector<Rundenhinweis> hinweise = f.hinweise(r.originalfahrt(lauf, spur));
                for (std::size_t i = 0; i < f.runden.size(); ++i)
                    zeilen += csvZeile(
                        {kopf[0], kopf[1], kopf[2], QString::number(lauf + 1),
                         QString::number(spur), f.fahrer, QString::number(i + 1),
                         Zahlenformat::ZahlFormatieren(f.runden[i].zeit),
                         Zahlenformat::ZahlFormatieren(f.runden[i].geschwindigkeit),
                         f.runden[i].vonHand ? QStringLiteral("ja") : QStringLiteral("nein"),
                         format[0], format[1], format[2],
                         f.distanz ? Zahlenformat::ZahlFormatieren(*f.distanz) : QString(),
                         hinweistext(hinweise[i])});
            }
        // Below the laps a row for each penalty and each track call, in the same columns:
        // its race time under "Zeit (s)", what it was under "Hinweis".
        const auto zeile = [&](int lauf, const QString& spur, const QString& fahrer,
                               double rennzeit, const QString& was) {
            zeilen += csvZeile({kopf[0], kopf[1], kopf[2], QString::number(lauf + 1), spur, fahrer,
                                QString(), Zahlenformat::ZahlFormatieren(rennzeit), QString(),
                                QString(), format[0], format[1], format[2], QString(), was});
        };
        for (const Strafe& s : r.strafen)
            zeile(s.lauf, QString::number(s.spur),
                  r.laeufe[std::size_t(s.lauf)][s.spur].fahrer, s.rennzeit,
                  QStringLiteral("Strafe: ") + straftext(s));
        for (const Streckenruf& ruf : r.streckenrufe)
            zeile(ruf.lauf, QString(), QString(), ruf.beginn,
                  QStringLiteral("Streckenruf (") + streckenrufursacheName(ruf.ursache) +
                      (ruf.ende ? QStringLiteral(") bis ") +
                                      Zahlenformat::ZahlFormatieren(*ruf.ende) + QStringLiteral(" s")
                                : QStringLiteral(")")));
        return m_ziel.schreiben(zeilen);
    }
    std::optional<QString> ende() { return std::nullopt; }

private:
    Exportziel& m_ziel;
};

class JsonSchreiber {
public:
    JsonSchreiber(Exportziel& ziel, const Jsonzusatz& zusatz) : m_ziel(ziel), m_zusatz(zusatz) {
        m_ziel.schreiben("{\"rennen\": [");
    }
    bool rennen(std::optional<qint64> nummer, const Rennaufzeichnung& r) {
        const bool erstes = std::exchange(m_erstes, false);
        return m_ziel.schreiben((erstes ? "\n" : ",\n") + rennenAlsJson(nummer, r));
    }
    std::optional<QString> ende() {
        QJsonObject oben;
        if (m_zusatz)
            if (std::optional<QString> fehler = m_zusatz(oben))
                return fehler;
        QByteArray text = "\n]";
        for (auto wert = oben.constBegin(); wert != oben.constEnd(); ++wert)
            text += ",\n\"" + wert.key().toUtf8() + "\": " +
                    QJsonDocument(QJsonArray{wert.value()})
                        .toJson(QJsonDocument::Compact)
                        .chopped(1)
                        .mid(1);
        m_ziel.schreiben(text + "}\n");
        return std::nullopt;
    }

private:
    Exportziel& m_ziel;
    const Jsonzusatz& m_zusatz;
    bool m_erstes = true;
};

template <typename Schreiber>
std::optional<QString> schreiben(Schreiber& schreiber, Exportziel& ziel,
                                 const Exportrennen& rennen) {
    std::optional<QString> fehler =
        rennen([&](std::optional<qint64> nummer, const Rennaufzeichnung& r) {
            return schreiber.rennen(nummer, r);
        });
    if (!fehler)
        fehler = schreiber.ende();
    return ziel.abschliessen(fehler);
}

} // namespace

Exportrennen alleRennen(Verlaufsabfragen& abfragen, std::vector<Rennaufzeichnung> wartende) {
    return [&abfragen,
            wartende = std::move(wartende)](const Exportbesuch& besuch) -> std::optional<QString> {
        // The writer may store a waiting race while the stored ones are read; it is
        // exported once.
        QSet<QString> wartend, schonGespeichert;
        for (const Rennaufzeichnung& r : wartende)
            wartend.insert(rennkennung(r));
        bool weiter = true;
        if (!abfragen.alleRennen([&](qint64 nummer, const Rennaufzeichnung& r) {
                if (!wartend.isEmpty() && wartend.contains(rennkennung(r)))
                    schonGespeichert.insert(rennkennung(r));
                return weiter = besuch(nummer, r);
            }) &&
            weiter)
            return abfragen.fehler();
        for (auto r = wartende.begin(); weiter && r != wartende.end(); ++r)
            if (!schonGespeichert.contains(rennkennung(*r)))
                weiter = besuch(std::nullopt, *r);
        return std::nullopt;
    };
}

Exportrennen einRennen(std::optional<qint64> nummer, Rennaufzeichnung rennen) {
    return [nummer, rennen = std::move(rennen)](const Exportbesuch& besuch) {
        besuch(nummer, rennen);
        return std::optional<QString>();
    };
}

std::optional<QString> verlaufExportieren(const QString& pfad, const Exportrennen& rennen,
                                          Sonderdatei sonderdatei, const Jsonzusatz& zusatz) {
    const QString endung = pfad.section(QLatin1Char('.'), -1).toLower();
    if (!pfad.contains(QLatin1Char('.')) ||
        (endung != QStringLiteral("csv") && endung != QStringLiteral("json")))
        return QStringLiteral("Der Dateiname muss auf .csv oder .json enden.");
    Exportziel ziel;
    if (std::optional<QString> fehler = ziel.oeffnen(pfad, sonderdatei))
        return fehler;
    if (endung == QStringLiteral("csv")) {
        CsvSchreiber csv(ziel);
        return schreiben(csv, ziel, rennen);
    }
    JsonSchreiber json(ziel, zusatz);
    return schreiben(json, ziel, rennen);
}
