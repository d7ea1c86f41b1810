#include "Verlaufsspeicher.h"

#include "Rennjson.h"
#include "Rohsignalformat.h"

#include <QJsonDocument>
#include <QVariant>

namespace {
QVariant oderNull(const std::optional<double>& wert) {
    return wert ? QVariant(*wert) : QVariant();
}

bool schonGespeichert(QSqlQuery& q, const Rennaufzeichnung& r) {
    int runden = 0;
    for (const Spuren<Spurfahrt>& lauf : r.laeufe)
        for (const Spurfahrt& f : lauf)
            runden += static_cast<int>(f.runden.size());
    q.prepare(QStringLiteral(
        "SELECT count(*) FROM rennen r WHERE r.beginn = ? AND r.art = ? AND r.rundenzahl = ?"
        " AND (SELECT count(*) FROM runden WHERE rennen = r.id) = ?"
        " AND (SELECT fahrer FROM fahrten WHERE rennen = r.id AND lauf = 1 AND spur = 1) IS ?"));
    q.bindValue(0, beginnText(r.beginn));
    q.bindValue(1, artText(r.art));
    q.bindValue(2, r.rundenzahl);
    q.bindValue(3, runden);
    q.bindValue(4, r.laeufe.empty() ? QVariant() : QVariant(r.laeufe[0][1].fahrer));
    return q.exec() && q.next() && q.value(0).toInt() > 0;
}

QSqlError fahrtEinfuegen(QSqlQuery& fahrt, QSqlQuery& runde, qint64 id, int lauf, int spur,
                         const Spurfahrt& f) {
    const std::optional<int> beste = f.besteRunde();
    fahrt.bindValue(0, id);
    fahrt.bindValue(1, lauf);
    fahrt.bindValue(2, spur);
    // A lane a night's Lauf leaves free has nobody on it: stored as an empty name.
    fahrt.bindValue(3, f.fahrer.isNull() ? QStringLiteral("") : f.fahrer);
    fahrt.bindValue(4, qint64{f.farbe});
    fahrt.bindValue(5, oderNull(f.gesamtzeit));
    fahrt.bindValue(6, oderNull(f.schnitt));
    fahrt.bindValue(7, beste ? QVariant(f.runden[std::size_t(*beste - 1)].zeit) : QVariant());
    fahrt.bindValue(8, beste ? QVariant(*beste) : QVariant());
    fahrt.bindValue(9, oderNull(f.distanz));
    if (QSqlError fehler = ausfuehren(fahrt); fehler.isValid())
        return fehler;
    for (std::size_t i = 0; i < f.runden.size(); ++i) {
        runde.bindValue(0, id);
        runde.bindValue(1, lauf);
        runde.bindValue(2, spur);
        runde.bindValue(3, static_cast<int>(i) + 1);
        runde.bindValue(4, f.runden[i].zeit);
        runde.bindValue(5, f.runden[i].geschwindigkeit);
        runde.bindValue(6, f.runden[i].vonHand ? 1 : 0);
        if (QSqlError fehler = ausfuehren(runde); fehler.isValid())
            return fehler;
    }
    return {};
}

// The heats of r with their laps, under the race id.
QSqlError fahrtenEinfuegen(QSqlDatabase& db, QSqlQuery& q, qint64 id, const Rennaufzeichnung& r) {
    QSqlQuery runde(db);
    q.prepare(QStringLiteral("INSERT INTO fahrten (rennen, lauf, spur, fahrer, farbe,"
                             " gesamtzeit, schnitt, bestzeit, bestrunde, distanz)"
                             " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    runde.prepare(QStringLiteral("INSERT INTO runden (rennen, lauf, spur, runde, zeit,"
                                 " geschwindigkeit, vonhand) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (std::size_t lauf = 0; lauf < r.laeufe.size(); ++lauf)
        for (int spur = 1; spur <= r.laeufe[lauf].anzahl(); ++spur)
            if (QSqlError fehler = fahrtEinfuegen(q, runde, id, static_cast<int>(lauf) + 1, spur,
                                                  r.laeufe[lauf][spur]);
                fehler.isValid())
                return fehler;
    return {};
}

// Rows of the race in their order (folge) under its id, each heat from 1 as in fahrten; the
// row's own values are bound from the fourth place on.
template <typename Zeile, typename Binden>
QSqlError folgeEinfuegen(QSqlQuery& q, const QString& sql, qint64 id,
                         const std::vector<Zeile>& zeilen, Binden binden) {
    q.prepare(sql);
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        q.bindValue(0, id);
        q.bindValue(1, qint64(i));
        q.bindValue(2, zeilen[i].lauf + 1);
        binden(zeilen[i]);
        if (QSqlError fehler = ausfuehren(q); fehler.isValid())
            return fehler;
    }
    return {};
}

QSqlError rennleitungEinfuegen(QSqlQuery& q, qint64 id, const Rennaufzeichnung& r) {
    QSqlError fehler = folgeEinfuegen(
        q,
        QStringLiteral("INSERT INTO strafen (rennen, folge, lauf, spur, art, wert, rennzeit,"
                       " grund) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
        id, r.strafen, [&q](const Strafe& s) {
            q.bindValue(3, s.spur);
            q.bindValue(4, strafartText(s.art));
            q.bindValue(5, s.wert);
            q.bindValue(6, s.rennzeit);
            q.bindValue(7, s.grund);
        });
    if (fehler.isValid())
        return fehler;
    return folgeEinfuegen(q,
                          QStringLiteral("INSERT INTO streckenrufe (rennen, folge, lauf, beginn,"
                                         " ende, ursache) VALUES (?, ?, ?, ?, ?, ?)"),
                          id, r.streckenrufe, [&q](const Streckenruf& ruf) {
                              q.bindValue(3, ruf.beginn);
                              q.bindValue(4, oderNull(ruf.ende));
                              q.bindValue(5, streckenrufursacheName(ruf.ursache));
                          });
}

// The heats, laps, penalties and track calls of r under the race id.
QSqlError rennverlaufEinfuegen(QSqlDatabase& db, QSqlQuery& q, qint64 id,
                               const Rennaufzeichnung& r) {
    if (QSqlError fehler = fahrtenEinfuegen(db, q, id, r); fehler.isValid())
        return fehler;
    return rennleitungEinfuegen(q, id, r);
}
} // namespace

QSqlError ausfuehren(QSqlQuery& q) {
    return q.exec() ? QSqlError() : q.lastError();
}

std::optional<Datenbankfehler>
Verlaufsspeicher::inTransaktion(const std::function<QSqlError(QSqlQuery&)>& schritte) {
    if (!m_db.beschreibbar())
        return m_db.fehler().isEmpty()
                   ? Datenbankfehler{QStringLiteral("Die Renndatenbank ist nur lesbar."), 0}
                   : m_db.letzterFehler();
    QSqlQuery q(m_db.db());
    // The write lock is taken at once, so a second program's write is waited for here.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return Datenbankfehler{fehlertext(q.lastError()), sqliteCode(q.lastError())};
    QSqlError fehler = schritte(q);
    if (!fehler.isValid() && !m_db.db().commit())
        fehler = m_db.db().lastError();
    if (!fehler.isValid())
        return std::nullopt;
    m_db.db().rollback();
    return Datenbankfehler{fehlertext(fehler), sqliteCode(fehler)};
}

std::optional<Datenbankfehler> Verlaufsspeicher::speichern(const Rennaufzeichnung& r,
                                                           bool vielleichtSchonDa) {
    return inTransaktion([&](QSqlQuery& q) {
        if (vielleichtSchonDa && schonGespeichert(q, r))
            return QSqlError();
        q.prepare(QStringLiteral(
            "INSERT INTO rennen (beginn, art, rundenzahl, kurslaenge, prellzeit, signalquelle,"
            " abgebrochen, sieger, rennart, renndauer, zielregel, rohsignale, rennabend,"
            " abendnummer, spuren, freiespuren, nachsiegerbeenden)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        q.bindValue(0, beginnText(r.beginn));
        q.bindValue(1, artText(r.art));
        q.bindValue(2, r.rundenzahl);
        q.bindValue(3, r.kurslaenge);
        q.bindValue(4, r.prellzeit);
        q.bindValue(5, quellenText(r.quelle));
        q.bindValue(6, r.abgebrochen ? 1 : 0);
        q.bindValue(7, r.sieger ? QVariant(*r.sieger) : QVariant());
        const bool nachZeit = r.rennart == Rennlaenge::Zeit;
        q.bindValue(8, rennartName(r.rennart));
        q.bindValue(9, nachZeit ? QVariant(r.renndauer) : QVariant());
        q.bindValue(10, nachZeit ? QVariant(zielregelName(r.zielregel)) : QVariant());
        q.bindValue(11, r.mitRohsignalen() ? QVariant(rohsignaleKodieren(r.rohsignale))
                                           : QVariant(QMetaType(QMetaType::QByteArray)));
        q.bindValue(12, r.abend ? QVariant(r.abend->rennabend) : QVariant());
        q.bindValue(13, r.abend ? QVariant(r.abend->nummer) : QVariant());
        q.bindValue(14, r.spurenzahl());
        q.bindValue(15, qint64{r.freieSpuren});
        q.bindValue(16, r.nachSiegerBeenden ? 1 : 0);
        if (QSqlError fehler = ausfuehren(q); fehler.isValid())
            return fehler;
        return rennverlaufEinfuegen(m_db.db(), q, q.lastInsertId().toLongLong(), r);
    });
}

std::optional<Datenbankfehler> Verlaufsspeicher::loeschen(qint64 rennen) {
    return inTransaktion([&](QSqlQuery& q) {
        q.prepare(QStringLiteral("DELETE FROM rennen WHERE id = ?"));
        q.bindValue(0, rennen);
        return ausfuehren(q);
    });
}

std::optional<Datenbankfehler> Verlaufsspeicher::fahrerLoeschen(const QString& fahrer) {
    return inTransaktion([&](QSqlQuery& q) {
        q.prepare(QStringLiteral(
            "DELETE FROM rennen WHERE id IN (SELECT rennen FROM fahrten WHERE fahrer = ?)"));
        q.bindValue(0, fahrer);
        return ausfuehren(q);
    });
}

QSqlError Verlaufsspeicher::ergebnisErsetzen(QSqlQuery& q, qint64 id, const Rennaufzeichnung& r) {
    // A race judged again has the Prellzeit it was judged with.
    q.prepare(QStringLiteral(
        "UPDATE rennen SET abgebrochen = ?, sieger = ?, prellzeit = ? WHERE id = ?"));
    q.bindValue(0, r.abgebrochen ? 1 : 0);
    q.bindValue(1, r.sieger ? QVariant(*r.sieger) : QVariant());
    q.bindValue(2, r.prellzeit);
    q.bindValue(3, id);
    if (QSqlError fehler = ausfuehren(q); fehler.isValid())
        return fehler;
    // The laps go with their heats.
    for (const QString& tabelle :
         {QStringLiteral("fahrten"), QStringLiteral("strafen"), QStringLiteral("streckenrufe")}) {
        q.prepare(QStringLiteral("DELETE FROM %1 WHERE rennen = ?").arg(tabelle));
        q.bindValue(0, id);
        if (QSqlError fehler = ausfuehren(q); fehler.isValid())
            return fehler;
    }
    return rennverlaufEinfuegen(m_db.db(), q, id, r);
}

std::optional<Datenbankfehler> Verlaufsspeicher::korrigieren(qint64 rennen,
                                                             const Rennaufzeichnung& bisher,
                                                             const Rennaufzeichnung& korrigiert) {
    return inTransaktion([&](QSqlQuery& q) {
        q.prepare(
            QStringLiteral("UPDATE rennen SET original = coalesce(original, ?) WHERE id = ?"));
        // The signals stay in their own column; the original needs its laps only.
        Rennaufzeichnung original = bisher;
        original.rohsignale.clear();
        q.bindValue(0, QString::fromUtf8(rennenAlsJson(rennen, original)));
        q.bindValue(1, rennen);
        if (QSqlError fehler = ausfuehren(q); fehler.isValid())
            return fehler;
        return ergebnisErsetzen(q, rennen, korrigiert);
    });
}

std::optional<Datenbankfehler> Verlaufsspeicher::wiederherstellen(qint64 rennen) {
    return inTransaktion([&](QSqlQuery& q) {
        q.prepare(
            QStringLiteral("SELECT original FROM rennen WHERE id = ? AND original IS NOT NULL"));
        q.bindValue(0, rennen);
        if (QSqlError fehler = ausfuehren(q); fehler.isValid())
            return fehler;
        if (!q.next())
            return QSqlError();
        const std::optional<Rennaufzeichnung> original =
            rennenAusJson(QJsonDocument::fromJson(q.value(0).toString().toUtf8()).object());
        q.finish();
        // An original that cannot be read stays where it is, and so do the corrected laps.
        if (!original)
            return QSqlError(QStringLiteral("Das ursprüngliche Rennen ist nicht lesbar."), {},
                             QSqlError::UnknownError);
        if (QSqlError fehler = ergebnisErsetzen(q, rennen, *original); fehler.isValid())
            return fehler;
        q.prepare(QStringLiteral("UPDATE rennen SET original = NULL WHERE id = ?"));
        q.bindValue(0, rennen);
        return ausfuehren(q);
    });
}
