#include "Verlaufsmeldungen.h"

#include <QDir>

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

void Verlaufsmeldungen::schreibfehler(const QString& grund) {
    if (std::exchange(m_schreibfehlerGemeldet, true))
        return;
    m_dialoge.meldung(QStringLiteral("Der Rennverlauf konnte nicht in ") + m_anzeigepfad +
                          QStringLiteral(" gespeichert werden (") + grund +
                          QStringLiteral("). Das Rennen, die Hall of Fame und die "
                                         "Ergebnisdatei sind davon nicht betroffen. Diese "
                                         "Meldung erscheint nur einmal."),
                      Verlaufstitel);
}
