// The race database rennen.sqlite in the data folder: one connection to it, and the checks
// that come before storing into it. A file that is damaged or no database of ours is set
// aside under a new name, never deleted; one from a newer program is left as it is.
// Each thread that uses the database needs a Verlaufsdatenbank of its own.
#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

// Why the database did not do what was asked: SQLite's words and its primary result code
// (0 when the failure was not SQLite's).
struct Datenbankfehler {
    QString text;
    int code = 0;
};

// What the preparation found, for the racer.
struct Verlaufsbefund {
    bool beschreibbar = false;
    bool neuereVersion = false; // written by a newer program: shown, never changed
    QString beiseitegelegt;     // the new path of a damaged file set aside
    QString fehler;             // why races cannot be stored
};

class Verlaufsdatenbank {
public:
    static constexpr int Version = 9;
    static const QString Dateiname;

    explicit Verlaufsdatenbank(QString pfad);
    ~Verlaufsdatenbank();
    Verlaufsdatenbank(const Verlaufsdatenbank&) = delete;
    Verlaufsdatenbank& operator=(const Verlaufsdatenbank&) = delete;

    // Opens the database for storing races, creating or upgrading it in place.
    Verlaufsbefund vorbereiten();
    // Opens an existing database as it is, for reading (and deleting unless nurLesen or
    // it is from a newer program). False, with the reason, when there is none to read.
    bool verbinden(bool nurLesen);

    bool beschreibbar() const { return m_beschreibbar; }
    QString fehler() const { return m_fehler.text; }
    Datenbankfehler letzterFehler() const { return m_fehler; }
    QString pfad() const { return m_pfad; }
    QSqlDatabase& db() { return m_db; }

private:
    enum class Pruefung { Gut, Unbrauchbar, Fehler };
    bool oeffnen(bool nurLesen);
    void schliessen();
    Pruefung pruefen();
    bool oeffnenZumSchreiben(Verlaufsbefund& befund);
    bool schemaAnlegen();
    bool beiseitelegen(Verlaufsbefund& befund);
    bool scheitern(const QString& was);
    bool scheitern(const QSqlError& fehler);

    QString m_pfad;
    QString m_verbindung;
    QSqlDatabase m_db;
    bool m_beschreibbar = false;
    int m_version = 0;
    Datenbankfehler m_fehler;
};

// SQLite's primary result code of a failure.
int sqliteCode(const QSqlError& fehler);
// SQLite's own words for a failure, else Qt's.
QString fehlertext(const QSqlError& fehler);
