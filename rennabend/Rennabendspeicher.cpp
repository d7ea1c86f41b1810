#include "Rennabendspeicher.h"

#include "Verlaufsabfragen.h"
#include "Verlaufsspeicher.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSqlQuery>
#include <QVariant>

namespace {
QString alsText(const QJsonArray& liste) {
    return QString::fromUtf8(QJsonDocument(liste).toJson(QJsonDocument::Compact));
}

QJsonArray ausText(const QVariant& text) {
    return QJsonDocument::fromJson(text.toString().toUtf8()).array();
}

QSqlError ausfuehren(QSqlQuery& q) {
    return q.exec() ? QSqlError() : q.lastError();
}

// The night's row as it was written, its races not yet.
Rennabend abendAusZeile(const QSqlQuery& q) {
    Rennabend a;
    a.schluessel = q.value(0).toString();
    a.beginn = QDateTime::fromString(q.value(1).toString(), Qt::ISODate);
    a.saison = q.value(2).toString();
    a.regeln.format =
        rennabendformatLesen(q.value(3).toString()).value_or(Rennabendformat::JederGegenJeden);
    a.regeln.finale = q.value(4).toBool();
    a.regeln.punkte = punktwertungLesen(q.value(5).toString()).value_or(Punktwertung{});
    for (const QJsonValue& t : ausText(q.value(6)))
        a.teilnehmer.push_back({t[QStringLiteral("name")].toString(),
                                static_cast<Farbe>(t[QStringLiteral("farbe")].toInteger())});
    for (const QJsonValue& name : ausText(q.value(7)))
        a.ausgeschieden << name.toString();
    for (const QJsonValue& p : ausText(q.value(8)))
        a.plan.push_back({p[0].toString(), p[1].toString(), p[2].toBool()});
    for (const QJsonValue& nummer : ausText(q.value(9)))
        a.uebersprungen.push_back(nummer.toInt());
    if (!q.value(10).isNull())
        a.wiederholung = q.value(10).toInt();
    a.beendet = q.value(11).toBool();
    return a;
}

QString fehlertextVon(const QSqlQuery& q) {
    return fehlertext(q.lastError());
}
} // namespace

std::optional<Datenbankfehler> rennabendSpeichern(Verlaufsdatenbank& datenbank,
                                                  const Rennabend& a) {
    QJsonArray teilnehmer, ausgeschieden, plan, uebersprungen;
    for (const Teilnehmer& t : a.teilnehmer)
        teilnehmer.append(QJsonObject{{QStringLiteral("name"), t.name},
                                      {QStringLiteral("farbe"), qint64{t.farbe}}});
    for (const QString& name : a.ausgeschieden)
        ausgeschieden.append(name);
    // The final's entry carries a third element, true.
    for (const Paarung& p : a.plan)
        plan.append(p.finale ? QJsonArray{p.spur1, p.spur2, true} : QJsonArray{p.spur1, p.spur2});
    for (int nummer : a.uebersprungen)
        uebersprungen.append(nummer);
    return Verlaufsspeicher(datenbank).inTransaktion([&](QSqlQuery& q) {
        q.prepare(QStringLiteral(
            "INSERT INTO rennabende (schluessel, beginn, saison, format, finale, punkte,"
            " teilnehmer, ausgeschieden, plan, uebersprungen, wiederholung, beendet)"
            // Qt binds an empty season as NULL.
            " VALUES (?, ?, coalesce(?, ''), ?, ?, ?, ?, ?, ?, ?, ?, ?)"
            // The row stays where it is, so the nights keep the order they were begun in.
            " ON CONFLICT (schluessel) DO UPDATE SET beginn = excluded.beginn,"
            " saison = excluded.saison, format = excluded.format, finale = excluded.finale,"
            " punkte = excluded.punkte, teilnehmer = excluded.teilnehmer,"
            " ausgeschieden = excluded.ausgeschieden, plan = excluded.plan,"
            " uebersprungen = excluded.uebersprungen, wiederholung = excluded.wiederholung,"
            " beendet = excluded.beendet"));
        q.bindValue(0, a.schluessel);
        q.bindValue(1, beginnText(a.beginn));
        q.bindValue(2, a.saison);
        q.bindValue(3, rennabendformatName(a.regeln.format));
        q.bindValue(4, a.regeln.finale ? 1 : 0);
        q.bindValue(5, punktwertungText(a.regeln.punkte));
        q.bindValue(6, alsText(teilnehmer));
        q.bindValue(7, alsText(ausgeschieden));
        q.bindValue(8, alsText(plan));
        q.bindValue(9, alsText(uebersprungen));
        q.bindValue(10, a.wiederholung ? QVariant(*a.wiederholung) : QVariant());
        q.bindValue(11, a.beendet ? 1 : 0);
        if (QSqlError fehler = ausfuehren(q); fehler.isValid() || a.beendet)
            return fehler;
        q.prepare(QStringLiteral(
            "UPDATE rennabende SET beendet = 1 WHERE schluessel <> ? AND NOT beendet"));
        q.bindValue(0, a.schluessel);
        return ausfuehren(q);
    });
}

std::vector<GespeicherterRennabend> rennabendeLesen(Verlaufsdatenbank& datenbank,
                                                    const std::vector<Rennaufzeichnung>& wartende,
                                                    QString& fehler) {
    fehler.clear();
    if (!datenbank.db().isOpen())
        return {};
    QSqlQuery q(datenbank.db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral(
            "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'rennabende'"))) {
        fehler = fehlertextVon(q);
        return {};
    }
    if (!q.next())
        return {};
    if (!q.exec(QStringLiteral(
            "SELECT schluessel, beginn, saison, format, finale, punkte, teilnehmer,"
            " ausgeschieden, plan, uebersprungen, wiederholung, beendet FROM rennabende"
            " ORDER BY rowid"))) {
        fehler = fehlertextVon(q);
        return {};
    }
    std::vector<GespeicherterRennabend> abende;
    while (q.next())
        abende.push_back({abendAusZeile(q), {}});
    Verlaufsabfragen abfragen(datenbank);
    for (GespeicherterRennabend& g : abende) {
        q.prepare(QStringLiteral("SELECT id FROM rennen WHERE rennabend = ? ORDER BY id"));
        q.bindValue(0, g.abend.schluessel);
        if (!q.exec()) {
            fehler = fehlertextVon(q);
            return {};
        }
        std::vector<qint64> ids;
        while (q.next())
            ids.push_back(q.value(0).toLongLong());
        QSet<QString> gespeichert;
        for (qint64 id : ids) {
            std::optional<Rennaufzeichnung> r = abfragen.rennen(id);
            if (!abfragen.fehler().isEmpty()) {
                fehler = abfragen.fehler();
                return {};
            }
            if (!r || !r->abend) // deleted meanwhile
                continue;
            gespeichert.insert(rennkennung(*r));
            g.abend.rennen.push_back({r->abend->nummer, std::move(*r)});
            g.rennnummern.push_back(id);
        }
        // A waiting race the writer stored meanwhile is there once.
        for (const Rennaufzeichnung& r : wartende)
            if (r.abend && r.abend->rennabend == g.abend.schluessel &&
                !gespeichert.contains(rennkennung(r))) {
                g.abend.rennen.push_back({r.abend->nummer, r});
                g.rennnummern.push_back(std::nullopt);
            }
        for (Abendrennen& r : g.abend.rennen)
            r.finale = r.nummer >= 1 && r.nummer <= static_cast<int>(g.abend.plan.size()) &&
                       g.abend.plan[static_cast<std::size_t>(r.nummer - 1)].finale;
    }
    return abende;
}
