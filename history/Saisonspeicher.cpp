#include "Saisonspeicher.h"

#include "Verlaufsspeicher.h"

#include <QRegularExpression>
#include <QSqlQuery>

std::optional<int> streichresultateAusText(const QString& text, QString& fehler) {
    static const QRegularExpression ganzzahl(QStringLiteral("^[0-9]{1,3}$"));
    const QString t = text.trimmed();
    if (ganzzahl.match(t).hasMatch() && t.toInt() <= MeisteStreichresultate)
        return t.toInt();
    fehler = QStringLiteral("„%1“ geht nicht als Streichresultate: Es braucht eine ganze Zahl "
                            "von 0 bis %2.")
                 .arg(t)
                 .arg(MeisteStreichresultate);
    return std::nullopt;
}

std::map<QString, int> streichresultateLesen(Verlaufsdatenbank& datenbank, QString& fehler) {
    fehler.clear();
    std::map<QString, int> saisons;
    if (!datenbank.db().isOpen())
        return saisons;
    QSqlQuery q(datenbank.db());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral(
            "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'saisons'"))) {
        fehler = fehlertext(q.lastError());
        return saisons;
    }
    if (!q.next())
        return saisons;
    if (!q.exec(QStringLiteral("SELECT name, streichresultate FROM saisons"))) {
        fehler = fehlertext(q.lastError());
        return saisons;
    }
    while (q.next()) {
        bool zahl = false;
        const int anzahl = q.value(1).toString().toInt(&zahl);
        if (zahl && anzahl > 0 && anzahl <= MeisteStreichresultate)
            saisons[q.value(0).toString()] = anzahl;
    }
    return saisons;
}

std::optional<Datenbankfehler> streichresultateSpeichern(Verlaufsdatenbank& datenbank,
                                                         const QString& saison, int anzahl) {
    return Verlaufsspeicher(datenbank).inTransaktion([&](QSqlQuery& q) {
        q.prepare(QStringLiteral("INSERT INTO saisons (name, streichresultate) VALUES (?, ?)"
                                 " ON CONFLICT (name) DO UPDATE"
                                 " SET streichresultate = excluded.streichresultate"));
        q.bindValue(0, saison);
        q.bindValue(1, anzahl);
        return ausfuehren(q);
    });
}
