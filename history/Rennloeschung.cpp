#include "Rennloeschung.h"

#include "Verlaufsmeldungen.h"
#include "Verlaufsspeicher.h"

void Rennloeschung::loeschen(const Loeschziel& ziel, std::function<void()> geloescht) {
    using Art = Loeschziel::Art;
    if (!m_liste.aenderbar(m_dialoge, ziel.art == Art::Wartend, QStringLiteral("löschen")) ||
        ziel.art == Art::Nichts)
        return;
    const QString endgueltig = QStringLiteral(" löschen? Das lässt sich nicht rückgängig machen.");
    std::function<std::optional<Datenbankfehler>(Verlaufsspeicher&)> loeschung;
    if (ziel.art == Art::Fahrer) {
        if (!m_dialoge.frage(QStringLiteral("Alle Rennen von ") + ziel.fahrer + endgueltig,
                             Verlaufstitel))
            return;
        loeschung = [fahrer = ziel.fahrer](Verlaufsspeicher& s) {
            return s.fahrerLoeschen(fahrer);
        };
    } else {
        const Rennzeile* z = m_liste.zeile(ziel.nummer);
        const QString was = z ? QStringLiteral(" vom ") + z->datum + QStringLiteral(" (") +
                                    z->fahrer + QLatin1Char(')')
                              : QString();
        if (!m_dialoge.frage(QStringLiteral("Rennen %1").arg(ziel.nummer) + was + endgueltig,
                             Verlaufstitel))
            return;
        loeschung = [nummer = ziel.nummer](Verlaufsspeicher& s) { return s.loeschen(nummer); };
    }
    m_anfragen.fragen<std::optional<Datenbankfehler>>(
        [loeschung](Verlaufsdatenbank& db) {
            Verlaufsspeicher speicher(db);
            return loeschung(speicher);
        },
        [this, geloescht = std::move(geloescht)](std::optional<Datenbankfehler>& fehler) {
            if (fehler) {
                m_dialoge.meldung(QStringLiteral("Das Löschen ist fehlgeschlagen: ") + fehler->text,
                                  Verlaufstitel);
                return;
            }
            geloescht();
        },
        true);
}
