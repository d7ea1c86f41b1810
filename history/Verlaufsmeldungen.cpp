#include "Verlaufsmeldungen.h"

#include <QDir>

namespace {
// A system's or SQLite's words end without a full stop; the message's sentences have one.
QString satz(const QString& text) {
    return text.endsWith(QLatin1Char('.')) ? text : text + QLatin1Char('.');
}
} // namespace

void Verlaufsmeldungen::befund(const Verlaufsbefund& befund) {
    if (!befund.beiseitegelegt.isEmpty())
        m_dialoge.meldung(QStringLiteral("Die Renndatenbank ") + m_anzeigepfad +
                              QStringLiteral(" ist beschädigt oder keine Renndatenbank von "
                                             "Rundomat. Sie bleibt unverändert als ") +
                              QDir::toNativeSeparators(befund.beiseitegelegt) +
                              QStringLiteral(" erhalten; der Rennverlauf beginnt mit einer neuen "
                                             "Datenbank."),
                          Verlaufstitel);
    if (befund.neuereVersion)
        m_dialoge.meldung(QStringLiteral("Die Renndatenbank ") + m_anzeigepfad +
                              QStringLiteral(" stammt aus einer neueren Version von Rundomat. Der "
                                             "Rennverlauf lässt sich ansehen und exportieren, "
                                             "wird aber nicht verändert: neue Rennen werden "
                                             "nicht gespeichert."),
                          Verlaufstitel);
}

void Verlaufsmeldungen::schreibfehler(const Schreibfehler& fehler) {
    const Schreibursache& u = fehler.ursache;
    QString text = QStringLiteral("Das Rennen konnte nicht im Rennverlauf gespeichert werden.\n") +
                   (u.ordner ? QStringLiteral("Ordner: ") : QStringLiteral("Datei: ")) +
                   QDir::toNativeSeparators(u.pfad) + QStringLiteral("\nUrsache: ") +
                   satz(u.ursache) + QLatin1Char('\n');
    if (fehler.wartefehler.isEmpty())
        text += QStringLiteral("Es wartet in ") + QDir::toNativeSeparators(fehler.wartedatei) +
                QStringLiteral(" und wird gespeichert, sobald das wieder geht: Rundomat versucht "
                               "es alle 5 Sekunden und beim nächsten Start wieder.");
    else
        text += QStringLiteral("Es lässt sich auch nicht daneben aufbewahren: ") +
                satz(fehler.wartefehler) +
                QStringLiteral(" Rundomat behält es und versucht es alle 5 Sekunden wieder; "
                               "wird Rundomat vorher beendet, geht es verloren.");
    m_dialoge.hinweis(text + QStringLiteral(" Die Hall of Fame und die Ergebnisdatei sind davon "
                                            "nicht betroffen."),
                      Verlaufstitel);
}
