#include "Verlaufsdatenbank.h"

#include "Verlaufsschema.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

const QString Verlaufsdatenbank::Dateiname = QStringLiteral("rennen.sqlite");

namespace {
// A second program writing at the same moment is waited for this long.
const QString Verbindungsoptionen = QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000");

// SQLite's primary result codes that say the file itself is unusable.
constexpr int SqliteBeschaedigt = 11;
constexpr int SqliteKeineDatenbank = 26;

bool unbrauchbar(const QSqlError& fehler) {
    const int code = sqliteCode(fehler);
    return code == SqliteBeschaedigt || code == SqliteKeineDatenbank;
}

// The files SQLite keeps beside the database while it is in use.
const QStringList Begleitdateien{QStringLiteral("-wal"), QStringLiteral("-shm")};
} // namespace

int sqliteCode(const QSqlError& fehler) {
    return fehler.nativeErrorCode().toInt() & 0xFF;
}

QString fehlertext(const QSqlError& fehler) {
    return fehler.databaseText().isEmpty() ? fehler.text() : fehler.databaseText();
}

Verlaufsdatenbank::Verlaufsdatenbank(QString pfad)
    : m_pfad(std::move(pfad)), m_verbindung(QStringLiteral("verlauf-") +
                                            QUuid::createUuid().toString(QUuid::WithoutBraces)) {
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_verbindung);
    m_db.setDatabaseName(m_pfad);
}

Verlaufsdatenbank::~Verlaufsdatenbank() {
    schliessen();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_verbindung);
}

void Verlaufsdatenbank::schliessen() {
    m_db.close();
    m_beschreibbar = false;
}

bool Verlaufsdatenbank::oeffnen(bool nurLesen) {
    schliessen();
    m_db.setConnectOptions(nurLesen ? Verbindungsoptionen + QStringLiteral(";QSQLITE_OPEN_READONLY")
                                    : Verbindungsoptionen);
    if (!m_db.open())
        return scheitern(m_db.lastError());
    return true;
}

bool Verlaufsdatenbank::scheitern(const QString& was) {
    m_fehler = {was, 0};
    schliessen();
    return false;
}

bool Verlaufsdatenbank::scheitern(const QSqlError& fehler) {
    m_fehler = {fehlertext(fehler), sqliteCode(fehler)};
    schliessen();
    return false;
}

// Reads the whole file once: damage shows here, not in the middle of a race's storing.
Verlaufsdatenbank::Pruefung Verlaufsdatenbank::pruefen() {
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next()) {
        scheitern(q.lastError());
        return unbrauchbar(q.lastError()) ? Pruefung::Unbrauchbar : Pruefung::Fehler;
    }
    if (q.value(0).toString() != QStringLiteral("ok"))
        return Pruefung::Unbrauchbar;
    // A database of another program is not ours to change.
    if (!q.exec(QStringLiteral("SELECT (SELECT application_id FROM pragma_application_id),"
                               " (SELECT user_version FROM pragma_user_version),"
                               " (SELECT count(*) FROM sqlite_master)")) ||
        !q.next()) {
        scheitern(q.lastError());
        return Pruefung::Fehler;
    }
    m_version = q.value(1).toInt();
    const bool leer = m_version == 0 && q.value(2).toInt() == 0;
    if (q.value(0).toInt() != VerlaufsAnwendungskennung && !leer)
        return Pruefung::Unbrauchbar;
    return Pruefung::Gut;
}

bool Verlaufsdatenbank::beiseitelegen(Verlaufsbefund& befund) {
    schliessen();
    const QString stempel =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString ziel = m_pfad + QStringLiteral(".beschaedigt-") + stempel;
    for (int n = 2; QFileInfo::exists(ziel); ++n)
        ziel = m_pfad + QStringLiteral(".beschaedigt-") + stempel + QStringLiteral("-%1").arg(n);
    if (!QFile::rename(m_pfad, ziel))
        return scheitern(QStringLiteral("Die unbrauchbare Datei lässt sich nicht umbenennen."));
    // The journal belongs to the damaged file and goes with it.
    for (const QString& endung : Begleitdateien)
        if (QFileInfo::exists(m_pfad + endung))
            QFile::rename(m_pfad + endung, ziel + endung);
    befund.beiseitegelegt = ziel;
    return true;
}

Verlaufsbefund Verlaufsdatenbank::vorbereiten() {
    Verlaufsbefund befund;
    befund.beschreibbar = oeffnenZumSchreiben(befund);
    if (!befund.beschreibbar)
        befund.fehler = m_fehler.text;
    return befund;
}

bool Verlaufsdatenbank::oeffnenZumSchreiben(Verlaufsbefund& befund) {
    m_fehler = {};
    m_version = 0;
    if (QFileInfo::exists(m_pfad)) {
        if (!oeffnen(false))
            return false;
        const Pruefung pruefung = pruefen();
        if (pruefung == Pruefung::Fehler)
            return false;
        if (pruefung == Pruefung::Unbrauchbar) {
            if (!beiseitelegen(befund))
                return false;
            m_version = 0;
        }
    }
    if (!m_db.isOpen() && !oeffnen(false))
        return false;
    if (m_version > Version) {
        befund.neuereVersion = true;
        return scheitern(QStringLiteral("Die Renndatenbank stammt aus einer neueren Version."));
    }
    QSqlQuery q(m_db);
    // The journal beside the file lets the window read while a race is stored, and a killed
    // program leaves every finished transaction whole.
    for (const QString& pragma :
         {QStringLiteral("PRAGMA journal_mode = WAL"), QStringLiteral("PRAGMA synchronous = FULL"),
          QStringLiteral("PRAGMA foreign_keys = ON")})
        if (!q.exec(pragma))
            return scheitern(q.lastError());
    if (m_version < Version && !schemaAnlegen())
        return false;
    m_beschreibbar = true;
    return true;
}

bool Verlaufsdatenbank::schemaAnlegen() {
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return scheitern(q.lastError());
    // Another program may have upgraded it while this one waited for the lock.
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        const QSqlError grund = q.lastError();
        m_db.rollback();
        return scheitern(grund);
    }
    const int version = q.value(0).toInt();
    q.finish();
    for (int von = version; von < Version; ++von) {
        for (const QString& anweisung : verlaufsschemaSchritt(von)) {
            if (!q.exec(anweisung)) {
                const QSqlError grund = q.lastError();
                m_db.rollback();
                return scheitern(grund);
            }
        }
    }
    if (!q.exec(QStringLiteral("PRAGMA application_id = %1").arg(VerlaufsAnwendungskennung)) ||
        !q.exec(QStringLiteral("PRAGMA user_version = %1").arg(Version)) || !m_db.commit()) {
        const QSqlError grund = q.lastError().isValid() ? q.lastError() : m_db.lastError();
        m_db.rollback();
        return scheitern(grund);
    }
    m_version = Version;
    return true;
}

bool Verlaufsdatenbank::verbinden(bool nurLesen) {
    m_fehler = {};
    if (!QFileInfo::exists(m_pfad))
        return scheitern(QStringLiteral("Es wurde noch kein Rennen gespeichert."));
    if (!oeffnen(nurLesen))
        return false;
    QSqlQuery q(m_db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return scheitern(q.lastError());
    m_version = q.value(0).toInt();
    q.finish();
    // A newer program's file is only read, through a connection that cannot write.
    if (m_version > Version && !nurLesen)
        return verbinden(true);
    if (!q.exec(QStringLiteral("PRAGMA foreign_keys = ON")))
        return scheitern(q.lastError());
    m_beschreibbar = !nurLesen && m_version == Version;
    return true;
}
