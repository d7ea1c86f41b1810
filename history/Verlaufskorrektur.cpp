#include "Verlaufskorrektur.h"

#include "Verlaufsmeldungen.h"
#include "Verlaufsspeicher.h"
#include "Zahlenformat.h"

#include <QRegularExpression>

namespace {
const QString Nichtgespeichert = QStringLiteral("Die Korrektur ließ sich nicht speichern: ");
}

Verlaufskorrektur::Verlaufskorrektur(Verlaufsanfragen& anfragen, Dialoge& dialoge,
                                     Neuladen neuladen)
    : m_anfragen(anfragen), m_dialoge(dialoge), m_neuladen(std::move(neuladen)) {}

Verlaufskorrektur::~Verlaufskorrektur() = default;

void Verlaufskorrektur::beginnen(const Rennaufzeichnung& gespeichert) {
    m_korrektur = std::make_unique<Korrektur>(gespeichert);
}

void Verlaufskorrektur::durchfahrtLoeschen(qint64 nummer) {
    const Rennaufzeichnung bisher = m_korrektur->rennen();
    bearbeitet(nummer, bisher, m_korrektur->loeschen());
}

void Verlaufskorrektur::durchfahrtEinfuegen(qint64 nummer, bool zeitFragen) {
    std::optional<double> sekunden;
    if (zeitFragen) {
        const QString text = m_dialoge.eingabe(QStringLiteral("Nach wie vielen Sekunden in ") +
                                                   m_korrektur->ortText() +
                                                   QStringLiteral(" kam die verpasste Durchfahrt?"),
                                               Verlaufstitel, QString());
        if (text.trimmed().isEmpty())
            return;
        sekunden = Zahlenformat::zahlLesen(text.trimmed());
        if (!sekunden) {
            m_dialoge.meldung(QStringLiteral("„") + text +
                                  QStringLiteral("“ ist keine Zeit in Sekunden."),
                              Verlaufstitel);
            return;
        }
    }
    const Rennaufzeichnung bisher = m_korrektur->rennen();
    bearbeitet(nummer, bisher, m_korrektur->einfuegen(sekunden));
}

void Verlaufskorrektur::strafeGeben(qint64 nummer) {
    const QString text =
        m_dialoge
            .eingabe(QStringLiteral("Strafe für ") + m_korrektur->spurText() +
                         QStringLiteral(": Sekunden, oder Runden mit „R“, dahinter der Grund "
                                        "(etwa „5 Fehlstart“ oder „1 R Abkürzung“)"),
                     Verlaufstitel, QString())
            .trimmed();
    if (text.isEmpty())
        return;
    static const QRegularExpression Form(
        QStringLiteral(R"(^([+-]?\d+(?:,\d+)?)\s*(?:(R|Runden?)(?=\s|$))?\s*(.*)$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch teile = Form.match(text);
    const std::optional<double> wert =
        teile.hasMatch() ? Zahlenformat::zahlLesen(teile.captured(1)) : std::nullopt;
    if (!wert) {
        m_dialoge.meldung(QStringLiteral("„") + text +
                              QStringLiteral("“ beginnt weder mit Sekunden noch mit Runden."),
                          Verlaufstitel);
        return;
    }
    const Rennaufzeichnung bisher = m_korrektur->rennen();
    bearbeitet(nummer, bisher,
               m_korrektur->strafeGeben(teile.captured(2).isEmpty() ? Strafart::Zeit
                                                                    : Strafart::Runden,
                                        *wert, teile.captured(3)));
}

void Verlaufskorrektur::strafeZuruecknehmen(qint64 nummer) {
    const Rennaufzeichnung bisher = m_korrektur->rennen();
    bearbeitet(nummer, bisher, m_korrektur->strafeZuruecknehmen());
}

void Verlaufskorrektur::rueckgaengig(qint64 nummer) {
    const Rennaufzeichnung bisher = m_korrektur->rennen();
    if (m_korrektur->rueckgaengig())
        bearbeitet(nummer, bisher, std::nullopt);
}

void Verlaufskorrektur::bearbeitet(qint64 nummer, const Rennaufzeichnung& bisher,
                                   const std::optional<QString>& abgelehnt) {
    if (abgelehnt) {
        m_dialoge.meldung(*abgelehnt, Verlaufstitel);
        return;
    }
    Rennaufzeichnung neu = m_korrektur->rennen();
    // Every edit undone on a race never corrected before: it is the race as first stored.
    const bool zurueck = !neu.korrigiert();
    m_anfragen.fragen<std::optional<Datenbankfehler>>(
        [nummer, bisher, neu = std::move(neu), zurueck](Verlaufsdatenbank& db) {
            Verlaufsspeicher speicher(db);
            return zurueck ? speicher.wiederherstellen(nummer)
                           : speicher.korrigieren(nummer, bisher, neu);
        },
        [this, nummer](std::optional<Datenbankfehler>& fehler) {
            if (!fehler)
                return;
            m_dialoge.meldung(Nichtgespeichert + fehler->text, Verlaufstitel);
            m_korrektur.reset();
            m_neuladen(nummer, false);
        });
}

void Verlaufskorrektur::originalWiederherstellen(qint64 nummer) {
    const bool korrigieren = m_korrektur != nullptr;
    m_anfragen.fragen<std::optional<Datenbankfehler>>(
        [nummer](Verlaufsdatenbank& db) {
            Verlaufsspeicher speicher(db);
            return speicher.wiederherstellen(nummer);
        },
        [this, nummer, korrigieren](std::optional<Datenbankfehler>& fehler) {
            if (fehler)
                m_dialoge.meldung(
                    QStringLiteral("Das Original ließ sich nicht wiederherstellen: ") +
                        fehler->text,
                    Verlaufstitel);
            m_korrektur.reset();
            m_neuladen(nummer, korrigieren);
        },
        true);
}

void Verlaufskorrektur::uebernehmen(qint64 nummer, const Rennaufzeichnung& bisher,
                                    Rennaufzeichnung neu) {
    m_anfragen.fragen<std::optional<Datenbankfehler>>(
        [nummer, bisher, neu = std::move(neu)](Verlaufsdatenbank& db) {
            Verlaufsspeicher speicher(db);
            return speicher.korrigieren(nummer, bisher, neu);
        },
        [this, nummer](std::optional<Datenbankfehler>& fehler) {
            if (fehler)
                m_dialoge.meldung(Nichtgespeichert + fehler->text, Verlaufstitel);
            m_neuladen(nummer, false);
        });
}
