#include "Verlaufsschema.h"

namespace {
// A corrected race keeps the race as it was first stored, as the export's JSON of it, so
// that it can be shown and restored; NULL for a race never corrected.
QStringList korrekturenSchritt() {
    return {QStringLiteral("ALTER TABLE rennen ADD COLUMN original TEXT")};
}

// Race nights: a night's own row (its drivers, plan and skipped entries as JSON text), and on
// each race the night and the entry of its plan it drove, written in the race's own
// transaction so that a race belongs to one night at most. A night's standings are not kept:
// they are computed from its races.
QStringList rennabendeSchritt() {
    return {
        QStringLiteral("CREATE TABLE rennabende ("
                       " schluessel TEXT PRIMARY KEY,"
                       " beginn TEXT NOT NULL,"
                       " saison TEXT NOT NULL DEFAULT '',"
                       " format TEXT NOT NULL,"
                       " finale INTEGER NOT NULL,"
                       " punkte TEXT NOT NULL,"
                       " teilnehmer TEXT NOT NULL,"
                       " ausgeschieden TEXT NOT NULL,"
                       " plan TEXT NOT NULL,"
                       " uebersprungen TEXT NOT NULL,"
                       " wiederholung INTEGER,"
                       " beendet INTEGER NOT NULL)"),
        QStringLiteral("ALTER TABLE rennen ADD COLUMN rennabend TEXT"),
        QStringLiteral("ALTER TABLE rennen ADD COLUMN abendnummer INTEGER"),
        QStringLiteral("CREATE INDEX rennen_rennabend ON rennen (rennabend)"),
    };
}

// Race control: each heat's penalties in the order given and its track calls in the order
// called (heats from 1, as in fahrten; times in seconds of race time). A race of an older
// version had none. An older program reading the file sees its races as they were, without
// them.
QStringList rennleitungSchritt() {
    return {
        QStringLiteral("CREATE TABLE strafen ("
                       " rennen INTEGER NOT NULL REFERENCES rennen(id) ON DELETE CASCADE,"
                       " folge INTEGER NOT NULL,"
                       " lauf INTEGER NOT NULL,"
                       " spur INTEGER NOT NULL,"
                       " art TEXT NOT NULL,"
                       " wert REAL NOT NULL,"
                       " rennzeit REAL NOT NULL,"
                       " grund TEXT NOT NULL,"
                       " PRIMARY KEY (rennen, folge)) WITHOUT ROWID"),
        QStringLiteral("CREATE TABLE streckenrufe ("
                       " rennen INTEGER NOT NULL REFERENCES rennen(id) ON DELETE CASCADE,"
                       " folge INTEGER NOT NULL,"
                       " lauf INTEGER NOT NULL,"
                       " beginn REAL NOT NULL,"
                       " ende REAL,"
                       " ursache TEXT NOT NULL,"
                       " PRIMARY KEY (rennen, folge)) WITHOUT ROWID"),
    };
}

// Seasons: what a season keeps of its own, its drop rounds (a season without a row drops
// none), and each night's driver classes, as a JSON object of driver and class (NULL for a
// night without). Its table is still computed from the nights every time.
QStringList saisonSchritt() {
    return {
        QStringLiteral("CREATE TABLE saisons ("
                       " name TEXT PRIMARY KEY,"
                       " streichresultate INTEGER NOT NULL) WITHOUT ROWID"),
        QStringLiteral("ALTER TABLE rennabende ADD COLUMN klassen TEXT"),
    };
}
} // namespace

QStringList verlaufsschemaSchritt(int von) {
    if (von == 1)
        // Races by time: their length and finish rule, and each lane's distance in laps.
        // Races of version 1 were all by laps.
        return {
            QStringLiteral("ALTER TABLE rennen ADD COLUMN rennart TEXT NOT NULL DEFAULT 'Runden'"),
            QStringLiteral("ALTER TABLE rennen ADD COLUMN renndauer INTEGER"),
            QStringLiteral("ALTER TABLE rennen ADD COLUMN zielregel TEXT"),
            QStringLiteral("ALTER TABLE fahrten ADD COLUMN distanz REAL"),
        };
    if (von == 2)
        return korrekturenSchritt();
    if (von == 3)
        // Every sensor signal of the race, so that it can be judged again with another
        // Prellzeit (see Rohsignalformat.h); NULL for a race without them.
        return {QStringLiteral("ALTER TABLE rennen ADD COLUMN rohsignale BLOB")};
    if (von == 4)
        return rennabendeSchritt();
    if (von == 5)
        // How long a night's races run, as JSON text (laps, or duration and finish rule);
        // NULL for a night begun before: it takes the format its races have.
        return {QStringLiteral("ALTER TABLE rennabende ADD COLUMN rennformat TEXT")};
    if (von == 6)
        // Tracks of more than two lanes: the race's lane count, which each of its heats has,
        // its free lanes (bit n-1 for lane n) and whether the winner's finish ended the
        // others' race. An older program, which knows two lanes only, then shows such a
        // database without changing it, and so never drops the lanes it does not know.
        return {
            QStringLiteral("ALTER TABLE rennen ADD COLUMN spuren INTEGER NOT NULL DEFAULT 2"),
            QStringLiteral("ALTER TABLE rennen ADD COLUMN freiespuren INTEGER NOT NULL DEFAULT 0"),
            QStringLiteral(
                "ALTER TABLE rennen ADD COLUMN nachsiegerbeenden INTEGER NOT NULL DEFAULT 0"),
        };
    if (von == 7)
        return rennleitungSchritt();
    if (von == 8)
        return saisonSchritt();
    if (von != 0)
        return {};
    // Times in seconds and speeds in m/s as the lap table shows them; dates as ISO text in
    // local time with its offset, so a day is the first ten characters. A lane's summary
    // (total, average, best lap) is kept beside its laps so that lists need no lap.
    return {
        QStringLiteral("CREATE TABLE rennen ("
                       " id INTEGER PRIMARY KEY,"
                       " beginn TEXT NOT NULL,"
                       " art TEXT NOT NULL,"
                       " rundenzahl INTEGER NOT NULL,"
                       " kurslaenge REAL NOT NULL,"
                       " prellzeit REAL NOT NULL,"
                       " signalquelle TEXT NOT NULL,"
                       " abgebrochen INTEGER NOT NULL,"
                       " sieger TEXT)"),
        QStringLiteral("CREATE TABLE fahrten ("
                       " rennen INTEGER NOT NULL REFERENCES rennen(id) ON DELETE CASCADE,"
                       " lauf INTEGER NOT NULL,"
                       " spur INTEGER NOT NULL,"
                       " fahrer TEXT NOT NULL,"
                       " farbe INTEGER NOT NULL,"
                       " gesamtzeit REAL,"
                       " schnitt REAL,"
                       " bestzeit REAL,"
                       " bestrunde INTEGER,"
                       " PRIMARY KEY (rennen, lauf, spur)) WITHOUT ROWID"),
        QStringLiteral("CREATE TABLE runden ("
                       " rennen INTEGER NOT NULL,"
                       " lauf INTEGER NOT NULL,"
                       " spur INTEGER NOT NULL,"
                       " runde INTEGER NOT NULL,"
                       " zeit REAL NOT NULL,"
                       " geschwindigkeit REAL NOT NULL,"
                       " vonhand INTEGER NOT NULL,"
                       " PRIMARY KEY (rennen, lauf, spur, runde),"
                       " FOREIGN KEY (rennen, lauf, spur) REFERENCES fahrten ON DELETE CASCADE)"
                       " WITHOUT ROWID"),
        QStringLiteral("CREATE INDEX fahrten_fahrer ON fahrten (fahrer)"),
    };
}
