#include "Exportauftrag.h"

#include "Verlaufsexport.h"
#include "Verlaufsmeldungen.h"

#include <QDir>

QString Exportauftrag::vorschlag(const Auswahl& a) const {
    QString name = QStringLiteral("rennverlauf.csv");
    if (a.einzeln)
        name = a.nummer ? QStringLiteral("rennen-%1.csv").arg(*a.nummer)
                        : QStringLiteral("rennen-wartend.csv");
    return QDir(m_ordner).filePath(name);
}

void Exportauftrag::exportieren(const QString& pfad, const Auswahl& a) {
    if (pfad.isEmpty())
        return;
    const std::optional<Rennaufzeichnung> einzeln =
        a.einzeln ? std::optional(*a.einzeln) : std::nullopt;
    const std::optional<qint64> nummer = a.nummer;
    const QString ziel = QDir::toNativeSeparators(pfad);
    m_hinweis =
        QStringLiteral("Der Rennverlauf wird exportiert nach ") + ziel + QStringLiteral(" …");
    m_anfragen.fragen<std::optional<QString>>(
        [pfad, einzeln, nummer, quelle = m_wartende](Verlaufsdatenbank& db) {
            if (einzeln)
                return verlaufExportieren(pfad, einRennen(nummer, *einzeln), Sonderdatei::Ablehnen);
            Verlaufsabfragen abfragen(db);
            return verlaufExportieren(
                pfad, alleRennen(abfragen, quelle ? quelle() : std::vector<Rennaufzeichnung>{}),
                Sonderdatei::Ablehnen);
        },
        [this, ziel, einzeln = einzeln.has_value(), nummer](std::optional<QString>& fehler) {
            m_hinweis.clear();
            if (fehler)
                m_dialoge.meldung(QStringLiteral("Der Rennverlauf konnte nicht nach ") + ziel +
                                      QStringLiteral(" exportiert werden: ") + *fehler,
                                  Verlaufstitel);
            else if (!einzeln)
                m_hinweis = QStringLiteral("Rennverlauf exportiert nach ") + ziel;
            else
                m_hinweis = (nummer ? QStringLiteral("Rennen %1 exportiert nach ").arg(*nummer)
                                    : QStringLiteral("Wartendes Rennen exportiert nach ")) +
                            ziel;
        });
}
