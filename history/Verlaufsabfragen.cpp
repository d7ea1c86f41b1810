#include "Verlaufsabfragen.h"

#include "Rennjson.h"
#include "Rohsignalformat.h"

#include <QJsonDocument>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace {
std::optional<double> zahlOderNichts(const QVariant& wert) {
    return wert.isNull() ? std::nullopt : std::optional<double>(wert.toDouble());
}

QString fehlertext(const QSqlQuery& q) {
    const QSqlError f = q.lastError();
    return f.databaseText().isEmpty() ? f.text() : f.databaseText();
}

// Walks the races, their lanes and their laps side by side: all three are read in the
// order of their keys, so even the whole database passes in one go without sorting.
class Rennleser {
public:
    Rennleser(const QSqlDatabase& db, std::optional<qint64> nur)
        : m_rennen(db), m_fahrten(db), m_runden(db), m_strafen(db), m_rufe(db) {
        // A file of an older version, opened to read only, knows races by laps alone.
        QSqlQuery spalte(db);
        m_mitRennformat =
            spalte.exec(QStringLiteral(
                "SELECT 1 FROM pragma_table_info('rennen') WHERE name = 'rennart'")) &&
            spalte.next();
        QString rennformat =
            m_mitRennformat ? QStringLiteral(", rennart, renndauer, zielregel") : QString();
        const QString distanz = m_mitRennformat ? QStringLiteral(", distanz") : QString();
        m_mitOriginal = spalte.exec(QStringLiteral(
                            "SELECT 1 FROM pragma_table_info('rennen') WHERE name = 'original'")) &&
                        spalte.next();
        // Version 4 on keeps the raw signals.
        m_mitRohsignalen =
            spalte.exec(QStringLiteral(
                "SELECT 1 FROM pragma_table_info('rennen') WHERE name = 'rohsignale'")) &&
            spalte.next();
        // Version 5 on knows the race night a race was driven for.
        m_mitRennabend =
            spalte.exec(QStringLiteral(
                "SELECT 1 FROM pragma_table_info('rennen') WHERE name = 'rennabend'")) &&
            spalte.next();
        // Version 7 on knows tracks of more than two lanes.
        m_mitSpurenzahl = spalte.exec(QStringLiteral(
                              "SELECT 1 FROM pragma_table_info('rennen') WHERE name = 'spuren'")) &&
                          spalte.next();
        if (m_mitOriginal)
            rennformat += QStringLiteral(", original");
        if (m_mitRohsignalen)
            rennformat += QStringLiteral(", rohsignale");
        if (m_mitRennabend)
            rennformat += QStringLiteral(", rennabend, abendnummer");
        if (m_mitSpurenzahl)
            rennformat += QStringLiteral(", spuren, freiespuren, nachsiegerbeenden");
        const auto wo = [&](const QString& spalte) {
            return nur ? QStringLiteral(" WHERE %1 = %2").arg(spalte).arg(*nur) : QString();
        };
        // Version 8 on keeps the penalties and track calls.
        m_mitRennleitung =
            spalte.exec(QStringLiteral(
                "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'strafen'")) &&
            spalte.next();
        for (QSqlQuery* q : {&m_rennen, &m_fahrten, &m_runden, &m_strafen, &m_rufe})
            q->setForwardOnly(true);
        m_gut = m_rennen.exec(QStringLiteral("SELECT id, beginn, art, rundenzahl, kurslaenge,"
                                             " prellzeit, signalquelle, abgebrochen, sieger") +
                              rennformat + QStringLiteral(" FROM rennen") +
                              wo(QStringLiteral("id")) + QStringLiteral(" ORDER BY id")) &&
                m_fahrten.exec(QStringLiteral("SELECT rennen, lauf, spur, fahrer, farbe,"
                                              " gesamtzeit, schnitt") +
                               distanz + QStringLiteral(" FROM fahrten") +
                               wo(QStringLiteral("rennen")) +
                               QStringLiteral(" ORDER BY rennen, lauf, spur")) &&
                m_runden.exec(QStringLiteral("SELECT rennen, lauf, spur, zeit, geschwindigkeit,"
                                             " vonhand FROM runden") +
                              wo(QStringLiteral("rennen")) +
                              QStringLiteral(" ORDER BY rennen, lauf, spur, runde"));
        // Penalties and track calls in the order they came, race by race.
        const auto nachFolge = [&](QSqlQuery& q, const QString& spalten, const QString& tabelle) {
            return q.exec(QStringLiteral("SELECT rennen, ") + spalten + QStringLiteral(" FROM ") +
                          tabelle + wo(QStringLiteral("rennen")) +
                          QStringLiteral(" ORDER BY rennen, folge"));
        };
        if (m_gut && m_mitRennleitung)
            m_gut = nachFolge(m_strafen, QStringLiteral("lauf, spur, art, wert, rennzeit, grund"),
                              QStringLiteral("strafen")) &&
                    nachFolge(m_rufe, QStringLiteral("lauf, beginn, ende, ursache"),
                              QStringLiteral("streckenrufe"));
        m_fahrtDa = m_gut && m_fahrten.next();
        m_rundeDa = m_gut && m_runden.next();
        m_strafeDa = m_gut && m_mitRennleitung && m_strafen.next();
        m_rufDa = m_gut && m_mitRennleitung && m_rufe.next();
    }

    QString fehler() const {
        for (const QSqlQuery* q : {&m_rennen, &m_fahrten, &m_runden, &m_strafen, &m_rufe})
            if (q->lastError().isValid())
                return fehlertext(*q);
        return {};
    }

    // The next race, or nothing at the end (or on an error).
    std::optional<std::pair<qint64, Rennaufzeichnung>> naechstes() {
        if (!m_gut || !m_rennen.next())
            return std::nullopt;
        const qint64 id = m_rennen.value(0).toLongLong();
        Rennaufzeichnung r;
        r.beginn = QDateTime::fromString(m_rennen.value(1).toString(), Qt::ISODate);
        r.art = artAusText(m_rennen.value(2).toString());
        r.rundenzahl = m_rennen.value(3).toInt();
        r.kurslaenge = m_rennen.value(4).toDouble();
        r.prellzeit = m_rennen.value(5).toDouble();
        r.quelle = quelleAusText(m_rennen.value(6).toString());
        r.abgebrochen = m_rennen.value(7).toBool();
        if (!m_rennen.value(8).isNull())
            r.sieger = m_rennen.value(8).toString();
        if (m_mitRennformat) {
            r.rennart = rennartLesen(m_rennen.value(9).toString()).value_or(Rennlaenge::Runden);
            r.renndauer = m_rennen.value(10).toInt();
            r.zielregel =
                zielregelLesen(m_rennen.value(11).toString()).value_or(Zielregel::RundeBeenden);
        }
        if (m_mitOriginal && !m_rennen.value(12).isNull())
            if (std::optional<Rennaufzeichnung> original = rennenAusJson(
                    QJsonDocument::fromJson(m_rennen.value(12).toString().toUtf8()).object())) {
                r.original = std::move(original->laeufe);
                r.originalAbgebrochen = original->abgebrochen;
            }
        if (m_mitRohsignalen && !m_rennen.value(13).isNull())
            r.rohsignale = rohsignaleLesen(m_rennen.value(13).toByteArray()).value_or(Rohsignale{});
        if (m_mitRennabend && !m_rennen.value(14).isNull())
            r.abend = Abendzuordnung{m_rennen.value(14).toString(), m_rennen.value(15).toInt()};
        // A count no track has means two lanes, as it does to the race.
        int spurenzahl = m_mitSpurenzahl ? m_rennen.value(16).toInt() : KleinsteSpurenzahl;
        if (spurenzahl < KleinsteSpurenzahl || spurenzahl > GroessteSpurenzahl)
            spurenzahl = KleinsteSpurenzahl;
        if (m_mitSpurenzahl) {
            r.freieSpuren = std::uint32_t(m_rennen.value(17).toLongLong());
            r.nachSiegerBeenden = m_rennen.value(18).toBool();
        }

        for (; m_fahrtDa && m_fahrten.value(0).toLongLong() <= id; m_fahrtDa = m_fahrten.next()) {
            Spurfahrt* f = fahrt(r, spurenzahl, id, m_fahrten);
            if (!f)
                continue;
            f->fahrer = m_fahrten.value(3).toString();
            f->farbe = static_cast<Farbe>(m_fahrten.value(4).toLongLong());
            f->gesamtzeit = zahlOderNichts(m_fahrten.value(5));
            f->schnitt = zahlOderNichts(m_fahrten.value(6));
            if (m_mitRennformat)
                f->distanz = zahlOderNichts(m_fahrten.value(7));
        }
        for (; m_rundeDa && m_runden.value(0).toLongLong() <= id; m_rundeDa = m_runden.next())
            if (Spurfahrt* f = fahrt(r, spurenzahl, id, m_runden))
                f->runden.push_back({m_runden.value(3).toDouble(), m_runden.value(4).toDouble(),
                                     m_runden.value(5).toBool()});
        rennleitungLesen(r, id);
        // Signals of a lane the race did not have are no signals of this race.
        const auto fremd = [&](const std::vector<Rohsignal>& lauf) {
            return std::any_of(lauf.begin(), lauf.end(),
                               [&](const Rohsignal& s) { return s.spur > r.spurenzahl(); });
        };
        if (std::any_of(r.rohsignale.begin(), r.rohsignale.end(), fremd))
            r.rohsignale.clear();
        return std::pair{id, std::move(r)};
    }

private:
    // The race's penalties and track calls; one of a heat or lane the race did not have, or
    // of a kind no program wrote, is none of its own.
    void rennleitungLesen(Rennaufzeichnung& r, qint64 id) {
        const auto laufDa = [&](const QVariant& lauf) {
            return lauf.toInt() >= 1 && std::size_t(lauf.toInt()) <= r.laeufe.size();
        };
        for (; m_strafeDa && m_strafen.value(0).toLongLong() <= id; m_strafeDa = m_strafen.next()) {
            const int spur = m_strafen.value(2).toInt();
            const std::optional<Strafart> art = strafartAusText(m_strafen.value(3).toString());
            if (m_strafen.value(0).toLongLong() != id || !laufDa(m_strafen.value(1)) || spur < 1 ||
                spur > r.spurenzahl() || !art)
                continue;
            r.strafen.push_back({m_strafen.value(1).toInt() - 1, spur, *art,
                                 m_strafen.value(4).toDouble(), m_strafen.value(5).toDouble(),
                                 m_strafen.value(6).toString()});
        }
        for (; m_rufDa && m_rufe.value(0).toLongLong() <= id; m_rufDa = m_rufe.next()) {
            const std::optional<Streckenrufursache> ursache =
                streckenrufursacheLesen(m_rufe.value(4).toString());
            if (m_rufe.value(0).toLongLong() != id || !laufDa(m_rufe.value(1)) || !ursache)
                continue;
            r.streckenrufe.push_back({m_rufe.value(1).toInt() - 1, m_rufe.value(2).toDouble(),
                                      zahlOderNichts(m_rufe.value(3)), *ursache});
        }
    }

    // The lane of the row's race, heat and lane; nothing for a row of another race, or of a
    // heat or lane the race cannot have.
    static Spurfahrt* fahrt(Rennaufzeichnung& r, int spurenzahl, qint64 id, const QSqlQuery& q) {
        const int lauf = q.value(1).toInt();
        const int spur = q.value(2).toInt();
        if (q.value(0).toLongLong() != id || lauf < 1 || std::size_t(lauf) > MeisteLaeufe ||
            spur < 1 || spur > spurenzahl)
            return nullptr;
        if (r.laeufe.size() < static_cast<std::size_t>(lauf))
            r.laeufe.resize(static_cast<std::size_t>(lauf), Spuren<Spurfahrt>::fuer(spurenzahl));
        return &r.laeufe[static_cast<std::size_t>(lauf - 1)][spur];
    }

    QSqlQuery m_rennen, m_fahrten, m_runden, m_strafen, m_rufe;
    bool m_gut = false;
    bool m_mitRennformat = false;
    bool m_mitOriginal = false; // from version 3 on, which has races by time too
    bool m_mitRohsignalen = false;
    bool m_mitRennabend = false;  // from version 5 on, which has all columns before
    bool m_mitSpurenzahl = false; // from version 7 on
    bool m_fahrtDa = false;
    bool m_rundeDa = false;
    bool m_mitRennleitung = false; // from version 8 on
    bool m_strafeDa = false;
    bool m_rufDa = false;
};
} // namespace

std::vector<Rennkopf> Verlaufsabfragen::rennliste() {
    m_fehler.clear();
    if (!m_db.db().isOpen())
        return {};
    QSqlQuery q(m_db.db());
    q.setForwardOnly(true);
    // SQLite takes the driver of the row with the smallest best lap along with min().
    if (!q.exec(QStringLiteral(
            "SELECT r.id, r.beginn, r.art, r.rundenzahl, r.abgebrochen, r.sieger,"
            " f1.fahrer, f2.fahrer, b.beste, b.fahrer"
            " FROM rennen r"
            " LEFT JOIN fahrten f1 ON f1.rennen = r.id AND f1.lauf = 1 AND f1.spur = 1"
            " LEFT JOIN fahrten f2 ON f2.rennen = r.id AND f2.lauf = 1 AND f2.spur = 2"
            " LEFT JOIN (SELECT rennen, min(bestzeit) AS beste, fahrer FROM fahrten"
            "            GROUP BY rennen) b ON b.rennen = r.id"
            " ORDER BY r.id DESC"))) {
        m_fehler = fehlertext(q);
        return {};
    }
    std::vector<Rennkopf> liste;
    while (q.next()) {
        Rennkopf k;
        k.nummer = q.value(0).toLongLong();
        k.beginn = q.value(1).toString();
        k.art = artAusText(q.value(2).toString());
        k.rundenzahl = q.value(3).toInt();
        k.abgebrochen = q.value(4).toBool();
        if (!q.value(5).isNull())
            k.sieger = q.value(5).toString();
        k.fahrer[1] = q.value(6).toString();
        k.fahrer[2] = q.value(7).toString();
        k.besteZeit = zahlOderNichts(q.value(8));
        k.besterFahrer = q.value(9).toString();
        liste.push_back(std::move(k));
    }
    weitereSpurenLesen(liste);
    return liste;
}

// The drivers of races on more than two lanes, which the list's query gives two of.
void Verlaufsabfragen::weitereSpurenLesen(std::vector<Rennkopf>& liste) {
    QSqlQuery q(m_db.db());
    q.setForwardOnly(true);
    // A file of an older version, opened to read only, has races of two lanes only.
    if (!q.exec(
            QStringLiteral("SELECT 1 FROM pragma_table_info('rennen') WHERE name = 'spuren'")) ||
        !q.next())
        return;
    if (!q.exec(QStringLiteral("SELECT r.id, r.spuren, f.spur, f.fahrer FROM rennen r"
                               " JOIN fahrten f ON f.rennen = r.id AND f.lauf = 1"
                               " WHERE r.spuren > 2 AND r.spuren <= %1"
                               " ORDER BY r.id DESC, f.spur")
                    .arg(GroessteSpurenzahl))) {
        m_fehler = fehlertext(q);
        return;
    }
    // Both newest first.
    auto k = liste.begin();
    while (q.next()) {
        const qint64 id = q.value(0).toLongLong();
        while (k != liste.end() && k->nummer > id)
            ++k;
        if (k == liste.end())
            return;
        if (k->nummer != id)
            continue;
        const int spurenzahl = q.value(1).toInt();
        // The rows give every lane, the first two again.
        if (k->fahrer.anzahl() != spurenzahl)
            k->fahrer = Spuren<QString>::fuer(spurenzahl);
        if (const int spur = q.value(2).toInt(); spur >= 1 && spur <= spurenzahl)
            k->fahrer[spur] = q.value(3).toString();
    }
}

std::optional<Rennaufzeichnung> Verlaufsabfragen::rennen(qint64 nummer) {
    Rennleser leser(m_db.db(), nummer);
    auto gefunden = leser.naechstes();
    m_fehler = leser.fehler();
    if (!gefunden)
        return std::nullopt;
    return std::move(gefunden->second);
}

bool Verlaufsabfragen::alleRennen(
    const std::function<bool(qint64, const Rennaufzeichnung&)>& weiter) {
    // No database yet: no race to walk.
    if (!m_db.db().isOpen())
        return true;
    Rennleser leser(m_db.db(), std::nullopt);
    while (auto r = leser.naechstes())
        if (!weiter(r->first, r->second))
            return false;
    m_fehler = leser.fehler();
    return m_fehler.isEmpty();
}

Fahrerbilanz Verlaufsabfragen::fahrer(const QString& name) {
    m_fehler.clear();
    Fahrerbilanz b;
    b.name = name;
    QSqlQuery q(m_db.db());
    q.setForwardOnly(true);
    // Every placeholder stands for the name.
    const auto abfragen = [&](const QString& sql) {
        q.prepare(sql);
        for (int i = 0; i < sql.count(QLatin1Char('?')); ++i)
            q.bindValue(i, name);
        if (q.exec())
            return true;
        m_fehler = fehlertext(q);
        return false;
    };
    if (abfragen(QStringLiteral("SELECT count(*), coalesce(sum(abgebrochen), 0),"
                                " coalesce(sum(NOT abgebrochen AND sieger = ?), 0) FROM rennen"
                                " WHERE id IN (SELECT rennen FROM fahrten WHERE fahrer = ?)")) &&
        q.next()) {
        b.rennen = q.value(0).toInt();
        b.abgebrochen = q.value(1).toInt();
        b.siege = q.value(2).toInt();
    }
    const auto bestleistung = [&](const QString& spalte, const QString& richtung) {
        std::optional<Bestleistung> beste;
        if (abfragen(QStringLiteral("SELECT f.%1, r.beginn, r.id FROM fahrten f"
                                    " JOIN rennen r ON r.id = f.rennen"
                                    " WHERE f.fahrer = ? AND f.%1 IS NOT NULL"
                                    " ORDER BY f.%1 %2, r.id LIMIT 1")
                         .arg(spalte, richtung)) &&
            q.next())
            beste =
                Bestleistung{q.value(0).toDouble(), q.value(1).toString(), q.value(2).toLongLong()};
        return beste;
    };
    b.besteRunde = bestleistung(QStringLiteral("bestzeit"), QStringLiteral("ASC"));
    b.besterSchnitt = bestleistung(QStringLiteral("schnitt"), QStringLiteral("DESC"));
    // The day is the date of the race's start where it was driven.
    if (abfragen(QStringLiteral("SELECT substr(r.beginn, 1, 10) AS tag, min(f.bestzeit)"
                                " FROM fahrten f JOIN rennen r ON r.id = f.rennen"
                                " WHERE f.fahrer = ? AND f.bestzeit IS NOT NULL"
                                " GROUP BY tag ORDER BY tag")))
        while (q.next())
            b.tagesbestzeiten.emplace_back(QDate::fromString(q.value(0).toString(), Qt::ISODate),
                                           q.value(1).toDouble());
    return b;
}
