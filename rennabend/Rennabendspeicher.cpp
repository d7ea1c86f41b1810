#include "Rennabendspeicher.h"

#include "Verlaufsabfragen.h"
#include "Verlaufsspeicher.h"

#include <QSet>
#include <QSqlQuery>

namespace {
QString fehlertextVon(const QSqlQuery& q) {
    return fehlertext(q.lastError());
}
} // namespace

std::optional<Datenbankfehler> rennabendSpeichern(Verlaufsdatenbank& datenbank,
                                                  const Rennabend& a) {
    const Rennabendzeile zeile = rennabendzeile(a);
    return Verlaufsspeicher(datenbank).inTransaktion([&](QSqlQuery& q) {
        q.prepare(QStringLiteral(
            "INSERT INTO rennabende (schluessel, beginn, saison, format, finale, punkte,"
            " teilnehmer, ausgeschieden, plan, uebersprungen, wiederholung, beendet, rennformat,"
            " klassen)"
            // Qt binds an empty season as NULL.
            " VALUES (?, ?, coalesce(?, ''), ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"
            // The row stays where it is, so the nights keep the order they were begun in.
            " ON CONFLICT (schluessel) DO UPDATE SET beginn = excluded.beginn,"
            " saison = excluded.saison, format = excluded.format, finale = excluded.finale,"
            " punkte = excluded.punkte, teilnehmer = excluded.teilnehmer,"
            " ausgeschieden = excluded.ausgeschieden, plan = excluded.plan,"
            " uebersprungen = excluded.uebersprungen, wiederholung = excluded.wiederholung,"
            " beendet = excluded.beendet, rennformat = excluded.rennformat,"
            " klassen = excluded.klassen"));
        for (std::size_t i = 0; i < Rennabendspalten.size(); ++i)
            q.bindValue(static_cast<int>(i), zeile.*Rennabendspalten[i]);
        if (QSqlError fehler = ausfuehren(q); fehler.isValid() || a.beendet)
            return fehler;
        q.prepare(QStringLiteral(
            "UPDATE rennabende SET beendet = 1 WHERE schluessel <> ? AND NOT beendet"));
        q.bindValue(0, a.schluessel);
        return ausfuehren(q);
    });
}

std::optional<Datenbankfehler> rennabendBeenden(Verlaufsdatenbank& datenbank, qint64 zeile) {
    return Verlaufsspeicher(datenbank).inTransaktion([&](QSqlQuery& q) {
        q.prepare(QStringLiteral("UPDATE rennabende SET beendet = 1 WHERE rowid = ?"));
        q.bindValue(0, zeile);
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
            " ausgeschieden, plan, uebersprungen, wiederholung, beendet, rennformat, klassen, rowid"
            " FROM rennabende"
            " ORDER BY rowid"))) {
        fehler = fehlertextVon(q);
        return {};
    }
    std::vector<GespeicherterRennabend> abende;
    while (q.next()) {
        Rennabendzeile zeile;
        for (std::size_t i = 0; i < Rennabendspalten.size(); ++i)
            zeile.*Rennabendspalten[i] = q.value(static_cast<int>(i));
        abende.push_back(abendAusZeile(zeile));
        abende.back().zeile = q.value(static_cast<int>(Rennabendspalten.size())).toLongLong();
    }
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
        rennenEinordnen(g);
    }
    return abende;
}
